#!/usr/bin/env bash
# Builds the page's module and purzo-trace in WebAssembly, type-checks, formats and lints the
# page's code (Biome, pinned in the lock file), bundles the page into the build tree, then drives
# it in Debian's chromium (node's test runner with playwright-core).
#   test_web_page.sh SOURCE_DIR SCRATCH_BUILD_DIR
set -euo pipefail
source_dir="$1"
build="$2"
export NODE_PATH=/usr/share/nodejs # Debian emscripten's optimizer finds acorn there
cmake -S "$source_dir" -B "$build/wasm" --preset wasm -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build "$build/wasm" --target purzo_module purzo-trace -j"$(nproc)" >/dev/null
cd "$source_dir/web"
node_modules/.bin/tsc -p .
node_modules/.bin/biome ci --reporter=summary
node tools/build.mjs --module "$build/wasm/web/module/purzo_module.mjs" --out "$build/web" >/dev/null
PURZO_WEB_OUT="$build/web" PURZO_WASM_TRACE="$build/wasm/tools/trace/purzo-trace.js" \
  node --test --test-concurrency=1 tests/
