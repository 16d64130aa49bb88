#!/usr/bin/env bash
# A staging install: every file in place, both validators content, the trace tool runs.
#   test_install.sh BUILD_DIR
set -euo pipefail
build="$1"
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
id=de.purzosimulation.purzo

cmake --install "$build" --prefix "$stage" >/dev/null

for f in bin/purzo bin/purzo-trace share/applications/$id.desktop \
         share/metainfo/$id.metainfo.xml share/man/man1/purzo-trace.1; do
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
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
  "$stage/share/metainfo/$id.metainfo.xml"

"$stage/bin/purzo-trace" --help | grep -q '^Usage: purzo-trace'
rows=$("$stage/bin/purzo-trace" --speed 6 --angle 60 | wc -l)
[ "$rows" -eq 19 ] || { echo "expected 19 lines of CSV, got $rows"; exit 1; }
# Nothing of the build's own (tests, tools for developers) is installed.
extra=$(find "$stage/bin" -type f ! -name purzo ! -name purzo-trace)
[ -z "$extra" ] || { echo "unexpected in bin/: $extra"; exit 1; }
echo "1 passed, 0 failed"
