#!/usr/bin/env bash
# Builds and runs every test: the core natively with sanitizers, then the Windows programs under
# Wine on a virtual display. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

scripts/setup.sh

cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
ctest --preset native -j "$jobs"
scripts/fuzz.sh --brief

cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"

scripts/wine-ctest.sh build/windows "$@"
