#!/usr/bin/env bash
# Builds and runs every test: the core natively with sanitizers, then the Windows programs under
# Wine on a virtual display. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc)

scripts/setup.sh

cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
ctest --preset native -j "$jobs"

cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"

source scripts/wine-env.sh
wine_prefix_init "$root/build/windows/wineprefix"
# The Windows tests share the pointer, the keyboard and the F1 hot key: one at a time, on a
# display of their own.
unset DISPLAY
wine_display_start
trap 'wine_server_stop; wine_display_stop' EXIT
wine_server_start
ctest --preset windows "$@"
