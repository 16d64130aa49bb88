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
for dep in fonts-liberation2 qt6-translations-l10n libqt6widgets6 libqt6gui6 libcanberra0 libc6 \
           libstdc++6; do
  grep -q "$dep" <<<"$depends" || { echo "Depends lacks $dep: $depends"; exit 1; }
done

[ "$(field Recommends)" = libcanberra-pulse ] || { echo "Recommends: $(field Recommends)"; exit 1; }
# Description lines as dpkg shows them: none longer than 80 characters.
if dpkg-deb -f "$deb" Description | awk 'length > 80 { bad = 1 } END { exit !bad }'; then
  echo "Description has a line longer than 80 characters"; exit 1
fi

contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/purzo ./usr/bin/purzo-trace ./usr/bin/purzo-video ./usr/share/man/man1/purzo-video.1.gz \
         ./usr/share/applications/de.purzosimulation.purzo.desktop \
         ./usr/share/metainfo/de.purzosimulation.purzo.metainfo.xml \
         ./usr/share/icons/hicolor/48x48/apps/de.purzosimulation.purzo.png \
         ./usr/share/man/man1/purzo.1.gz ./usr/share/man/man1/purzo-trace.1.gz \
         ./usr/share/doc/purzosimulation/copyright ./usr/share/doc/purzosimulation/changelog.gz; do
  grep -q " $f$" <<<"$contents" || { echo "package lacks $f"; exit 1; }
done

# Debian's own checks: no error and no warning.
if ! report=$(lintian --fail-on error,warning "$deb" 2>&1); then
  echo "$report"
  echo "lintian failed"
  exit 1
fi

dpkg-deb -x "$deb" "$out/root"
# Read whole before grep stops reading: a writer cut off mid-text fails the pipe.
grep -q '^Usage: purzo-trace' <<<"$("$out/root/usr/bin/purzo-trace" --help)"
grep -q '^Usage: purzo-video' <<<"$("$out/root/usr/bin/purzo-video" --help)"
last=$("$out/root/usr/bin/purzo-trace" --speed 5 --angle 50 | tail -n 1)
[ "${last%%,*}" = 15 ] || { echo "unpacked trace: $last"; exit 1; }
echo "1 passed, 0 failed"
