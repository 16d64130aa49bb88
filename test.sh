#!/usr/bin/env bash
# Installs what is missing, builds into build/ and runs every test headless.
#   ./test.sh             the normal build, every test
#   ./test.sh --quick     leaves out the slow system tests (package, install, the build without
#                         Qt, the soak, the WebAssembly build and the page in chromium); CI runs
#                         them all
#   ./test.sh --sanitize  AddressSanitizer and UndefinedBehaviorSanitizer, in build-asan/
#   ./test.sh --release   the optimised build a packager makes, in build-release/, with the
#                         quick tests
# Warnings are errors here, as they are not in a plain build.
set -euo pipefail
cd "$(dirname "$0")"

dir=build
cmake_args=(-DBUILD_TESTING=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON)
ctest_args=()
case "${1:-}" in
  "") ;;
  --quick) ctest_args=(--label-exclude slow) ;;
  --sanitize)
    dir=build-asan
    cmake_args+=(-DCMAKE_BUILD_TYPE=Debug -DPURZO_SANITIZE=ON)
    ctest_args=(--label-exclude web) # the page's tests run in the normal build
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    ;;
  --release)
    dir=build-release
    cmake_args+=(-DCMAKE_BUILD_TYPE=Release)
    ctest_args=(--label-exclude slow)
    ;;
  *) echo "usage: $0 [--quick | --sanitize | --release]" >&2; exit 2 ;;
esac

scripts/install-deps
# The page: emscripten, chromium and the npm packages its build and browser tests need.
if [ "$dir" = build ] && [ "${1:-}" != --quick ]; then
  scripts/install-web-deps
fi
cmake -S . -B "$dir" "${cmake_args[@]}" >/dev/null
cmake --build "$dir" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export PURZO_SILENT=1 # no beeps through the soak, no sound library under the sanitizers
ctest --test-dir "$dir" --output-on-failure -j"$(nproc)" "${ctest_args[@]}"
