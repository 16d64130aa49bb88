#!/usr/bin/env bash
# Fuzzes the reading of take-off texts, the take-off check and the flight that follows; then the
# reading of log files and the writing of what was read.
#   ./fuzz.sh [SECONDS]   each target for SECONDS (default 60)
set -euo pipefail
cd "$(dirname "$0")"
seconds="${1:-60}"

scripts/install-deps
CXX=clang++ cmake -S . -B build-fuzz -DPURZO_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build build-fuzz --target fuzz_takeoff fuzz_log_file -j"$(nproc)"

# New inputs go to scratch corpora; the committed seeds stay as they are.
mkdir -p build-fuzz/corpus build-fuzz/log_corpus
build-fuzz/fuzz_takeoff -max_total_time="$seconds" -timeout=5 -max_len=4096 \
  -print_final_stats=1 build-fuzz/corpus tests/fuzz/corpus
build-fuzz/fuzz_log_file -max_total_time="$seconds" -timeout=10 -max_len=8192 \
  -print_final_stats=1 build-fuzz/log_corpus tests/fuzz/log_corpus
