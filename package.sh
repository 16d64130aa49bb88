#!/usr/bin/env bash
# Builds the Debian package into build/: purzosimulation_VERSION_ARCH.deb
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)"
(cd build && cpack -G DEB)
