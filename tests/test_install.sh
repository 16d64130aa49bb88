#!/usr/bin/env bash
# A staging install: every file in place, both validators content, the trace tool runs.
#   test_install.sh BUILD_DIR
set -euo pipefail
build="$1"
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
id=de.purzosimulation.purzo

cmake --install "$build" --prefix "$stage" >/dev/null

for f in bin/purzo bin/purzo-trace bin/purzo-video share/applications/$id.desktop \
         share/metainfo/$id.metainfo.xml share/man/man1/purzo.1.gz share/man/man1/purzo-trace.1.gz \
         share/man/man1/purzo-video.1.gz \
         share/doc/purzosimulation/copyright share/doc/purzosimulation/changelog.gz; do
  [ -e "$stage/$f" ] || { echo "missing: $f"; exit 1; }
done
for size in 16 32 48 64 128 256; do
  icon="$stage/share/icons/hicolor/${size}x${size}/apps/$id.png"
  [ -e "$icon" ] || { echo "missing icon: $icon"; exit 1; }
done

desktop-file-validate "$stage/share/applications/$id.desktop"
appstreamcli validate --no-net "$stage/share/metainfo/$id.metainfo.xml"
grep -q '^Categories=Education;Sports;$' "$stage/share/applications/$id.desktop"
grep -q "^Icon=$id$" "$stage/share/applications/$id.desktop"
# Docks match the running window (WM_CLASS class "Purzosimulation") to the menu entry.
grep -q '^StartupWMClass=Purzosimulation$' "$stage/share/applications/$id.desktop"
# Manual pages are compressed without a time stamp and read as manual pages.
for page in purzo purzo-trace purzo-video; do
  gz="$stage/share/man/man1/$page.1.gz"
  gzip -t "$gz"
  [ "$(od -An -tx1 -j4 -N4 "$gz" | tr -d ' ')" = 00000000 ] || { echo "$page.1.gz has a time stamp"; exit 1; }
  grep -q "^\.TH ${page^^} 1" <<<"$(zcat "$gz")" || { echo "$page.1.gz is not its manual page"; exit 1; }
done
grep -q '^purzosimulation (1.0.0)' <<<"$(zcat "$stage/share/doc/purzosimulation/changelog.gz" | sed -n 1p)"
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' \
  "$stage/share/doc/purzosimulation/copyright"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
  "$stage/share/metainfo/$id.metainfo.xml"

# Read whole before grep stops reading: a writer cut off mid-text fails the pipe.
grep -q '^Usage: purzo-trace' <<<"$("$stage/bin/purzo-trace" --help)"
grep -q '^Usage: purzo-video' <<<"$("$stage/bin/purzo-video" --help)"
# All answer --version without a display.
for program in purzo purzo-trace purzo-video; do
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$stage/bin/$program" --version)
  [ "$out" = "Purzosimulation 1.0.0" ] || { echo "$program --version: $out"; exit 1; }
done
grep -q -- '--version' <<<"$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$stage/bin/purzo" --help)"
rows=$("$stage/bin/purzo-trace" --speed 6 --angle 60 | wc -l)
[ "$rows" -eq 19 ] || { echo "expected 19 lines of CSV, got $rows"; exit 1; }
# Nothing of the build's own (tests, tools for developers) is installed.
extra=$(find "$stage/bin" -type f ! -name purzo ! -name purzo-trace ! -name purzo-video)
[ -z "$extra" ] || { echo "unexpected in bin/: $extra"; exit 1; }
echo "1 passed, 0 failed"
