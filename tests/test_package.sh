#!/usr/bin/env bash
# The Debian package: its control fields, its contents, and programs that run once unpacked.
#   test_package.sh BUILD_DIR
set -euo pipefail
build="$1"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

cpack -G DEB -B "$out" --config "$build/CPackConfig.cmake" >/dev/null
deb=$(ls "$out"/purzosimulation_*.deb)

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = purzosimulation ] || { echo "Package: $(field Package)"; exit 1; }
[ "$(field Section)" = education ]
depends=$(field Depends)
for dep in fonts-liberation2 libqt6widgets6 libqt6gui6 libc6 libstdc++6; do
  grep -q "$dep" <<<"$depends" || { echo "Depends lacks $dep: $depends"; exit 1; }
done

contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/purzo ./usr/bin/purzo-trace \
         ./usr/share/applications/de.purzosimulation.purzo.desktop \
         ./usr/share/metainfo/de.purzosimulation.purzo.metainfo.xml \
         ./usr/share/icons/hicolor/48x48/apps/de.purzosimulation.purzo.png \
         ./usr/share/man/man1/purzo-trace.1; do
  grep -q " $f$" <<<"$contents" || { echo "package lacks $f"; exit 1; }
done

dpkg-deb -x "$deb" "$out/root"
"$out/root/usr/bin/purzo-trace" --help | grep -q '^Usage: purzo-trace'
last=$("$out/root/usr/bin/purzo-trace" --speed 5 --angle 50 | tail -n 1)
[ "${last%%,*}" = 15 ] || { echo "unpacked trace: $last"; exit 1; }
echo "1 passed, 0 failed"
