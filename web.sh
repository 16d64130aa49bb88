#!/usr/bin/env bash
# Installs what is missing, builds the page and serves it.
#   ./web.sh          builds web/dist and web/single/purzosimulation.html, then serves web/dist
#                     on http://127.0.0.1:8017/ until stopped (Ctrl+C)
#   ./web.sh --build  builds both and stops
set -euo pipefail
cd "$(dirname "$0")"
case "${1:-}" in
  "" | --build) ;;
  *) echo "usage: $0 [--build]" >&2; exit 2 ;;
esac

scripts/install-web-deps
export NODE_PATH=/usr/share/nodejs # Debian emscripten's optimizer finds acorn there
cmake --preset wasm >/dev/null
cmake --build --preset wasm --target purzo_module
node web/tools/build.mjs --module build-wasm/web/module/purzo_module.mjs
[ "${1:-}" = --build ] && exit 0
exec node web/tools/serve.mjs web/dist 8017
