#!/usr/bin/env bash
# Installs what is missing, builds into build/ and starts Purzosimulation.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)"
exec build/purzo "$@"
