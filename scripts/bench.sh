#!/usr/bin/env bash
# Builds the benchmarks without sanitizers and runs them; they print figures and never fail on a
# slow machine. Arguments go to the native generation benchmark (for instance
# --benchmark_repetitions=10). The build folders can be chosen with QUORVEL_BENCH_BUILD (native)
# and QUORVEL_BENCH_WIN_BUILD (Windows, whose programs run under Wine on a display of their own).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${QUORVEL_BENCH_BUILD:-build/bench}

cmake --preset bench -B "$build" >/dev/null
cmake --build "$build" -j 2 --target generate_throughput

echo "== Native generation throughput"
"$build/bench/generation/generate_throughput" --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true "$@"

win_build=${QUORVEL_BENCH_WIN_BUILD:-build/bench-win}
cmake --preset windows -B "$win_build" >/dev/null
cmake --build "$win_build" -j 2 --target quorvel startup_benchmark press_latency

echo "== Size of quorvel.exe (goal: at most 200 KB)"
size=$(stat -c %s "$win_build/bin/quorvel.exe")
echo "$size bytes, $((size / 1024)) KiB"

source scripts/wine-env.sh
wine_prefix_init "$(cd "$win_build" && pwd)/wineprefix"
unset DISPLAY
wine_display_start
trap 'wine_server_stop; wine_display_stop' EXIT
wine_server_start
echo "== Start-up to visible window under Wine"
"$win_build/wine-run" "$win_build/bin/startup_benchmark.exe" 30
echo "== F1 press to last character under Wine (goal: within 2x of a bare typist)"
# QUORVEL_BENCH_PRESSES: presses of 6 and of 1000 characters for each program.
read -ra presses <<<"${QUORVEL_BENCH_PRESSES:-100 40}"
"$win_build/wine-run" "$win_build/bin/press_latency.exe" "${presses[@]}"
