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

# 32-bit Wine may run under qemu's user-mode emulation, which now and then crashes a process that
# starts and ends many threads; a test program that fails is run once more, so a fault of the
# program's own still fails twice.
scripts/wine-ctest.sh build/windows --repeat until-pass:2 "$@"
