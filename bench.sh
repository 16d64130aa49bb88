#!/usr/bin/env bash
# Measures the model's cost per frame and flight, the window's pacing at the three paces,
# start-up time and peak memory; then the page in headless chromium beside them (frame intervals,
# time to ready, gzipped sizes). Prints tables and writes build/bench.json.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DPURZO_BENCH=ON >/dev/null
cmake --build build-release --target purzo-bench -j"$(nproc)"
mkdir -p build
QT_QPA_PLATFORM=offscreen build-release/purzo-bench --json build/bench.json "$@"

# The page beside the desktop: its frame intervals in headless chromium, its time to ready and
# the sizes of both outputs.
./web.sh --build >/dev/null
node web/tools/bench.mjs build/bench.json
