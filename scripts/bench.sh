#!/usr/bin/env bash
# Builds the benchmarks without sanitizers and runs them; they print figures and never fail on a
# slow machine. Arguments go to the native generation benchmark (for instance
# --benchmark_repetitions=10). The build folder can be chosen with QUORVEL_BENCH_BUILD.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${QUORVEL_BENCH_BUILD:-build/bench}

cmake --preset bench -B "$build" >/dev/null
cmake --build "$build" -j 2 --target generate_throughput

echo "== Native generation throughput"
"$build/bench/generation/generate_throughput" --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true "$@"
