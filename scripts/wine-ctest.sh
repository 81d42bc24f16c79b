#!/usr/bin/env bash
# Runs CTest in a Windows build folder under Wine, on a virtual display of its own, with a warmed-up
# Wine server. Usage: scripts/wine-ctest.sh BUILD_DIR [ctest arguments...]
set -euo pipefail
build=$(cd "$1" && pwd)
shift
source "$(dirname "$0")/wine-env.sh"
wine_prefix_init "$build/wineprefix"
# The Windows tests share the pointer, the keyboard and the F1 hot key: one at a time, on a
# display of their own.
unset DISPLAY
wine_display_start
trap 'wine_server_stop; wine_display_stop' EXIT
wine_server_start
ctest --test-dir "$build" --output-on-failure --timeout 600 "$@"
