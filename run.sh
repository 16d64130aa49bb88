#!/usr/bin/env bash
# Installs what is missing, builds the program alone into build/ (./test.sh builds the rest) and
# starts Purzosimulation.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps
cmake -S . -B build >/dev/null
cmake --build build --target purzo -j"$(nproc)"
exec build/purzo "$@"
