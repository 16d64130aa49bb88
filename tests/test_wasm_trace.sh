#!/usr/bin/env bash
# Builds the WebAssembly purzo-trace with the preset "wasm" and compares it with the native one
# over a grid of flights (trace_parity.mjs).
#   test_wasm_trace.sh SOURCE_DIR SCRATCH_BUILD_DIR NATIVE_TRACE
set -euo pipefail
source_dir="$1"
build="$2"
native="$3"
export NODE_PATH=/usr/share/nodejs # Debian emscripten's optimizer finds acorn there
cmake -S "$source_dir" -B "$build" --preset wasm -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build "$build" --target purzo-trace -j"$(nproc)" >/dev/null
node "$source_dir/tests/web/trace_parity.mjs" "$native" "$build/tools/trace/purzo-trace.js"
