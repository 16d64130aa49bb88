#!/usr/bin/env bash
# Configures and builds the model, the design layer and purzo-trace with Qt out of reach, then
# runs one flight in each model.
#   build.sh SOURCE_DIR SCRATCH_BUILD_DIR VERSION
set -euo pipefail
source_dir="$1"
build="$2"
version="$3"
rm -rf "$build"
cmake -S "$source_dir/tests/model_without_qt" -B "$build" -DPURZO_SOURCE_DIR="$source_dir" -DPURZO_VERSION="$version" \
  -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build" -j"$(nproc)"
last=$("$build/trace/purzo-trace" --speed 6 --angle 60 | tail -n 1)
[ "${last%%,*}" = 18 ] || { echo "purzo-trace without Qt: $last"; exit 1; }
exact=$("$build/trace/purzo-trace" --speed 6 --angle 60 --model exact | tail -n 1)
[ "${exact%%,*}" = 19 ] || { echo "purzo-trace --model exact without Qt: $exact"; exit 1; }
echo "1 passed, 0 failed"
