#!/usr/bin/env bash
# Fuzzes the length box's conversion and the text operations with libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer (clang builds the core's sources directly: the presets' flags are
# g++'s and mingw's).
#   scripts/fuzz.sh               10^7 executions
#   scripts/fuzz.sh --brief       a few seconds, as the test command runs it
#   scripts/fuzz.sh [--brief] -max_total_time=600 ...   further options go to libFuzzer
# New inputs and any crashing input go to the build folder (QUORVEL_FUZZ_BUILD, build/fuzz by
# default); fuzz/corpus holds the seeds.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${QUORVEL_FUZZ_BUILD:-build/fuzz}
brief=false
limit=(-runs=10000000)
if [ "${1:-}" = --brief ]; then
  brief=true
  limit=(-max_total_time=5)
  shift
fi

sources=(fuzz/text_fuzzer.cpp generate/length_conversion.cpp generate/text_operations.cpp
  generate/run_time_error.cpp)
fuzzer=$build/text_fuzzer
mkdir -p "$build/corpus"
if [ ! -x "$fuzzer" ] || [ -n "$(find "${sources[@]}" generate/*.h -newer "$fuzzer")" ]; then
  clang++ -std=c++20 -O1 -g -Wall -Wextra -I. \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer \
    "${sources[@]}" -o "$fuzzer.new"
  mv "$fuzzer.new" "$fuzzer"
fi

run=("$fuzzer" "${limit[@]}" -dict=fuzz/text.dict -artifact_prefix="$build/" -print_final_stats=1
  "$@" "$build/corpus" fuzz/corpus)
if ! $brief; then
  exec "${run[@]}"
fi
# Briefly, only the outcome: the whole log when something was found, else the count.
log=$build/brief.log
if ! "${run[@]}" >"$log" 2>&1; then
  cat "$log" >&2
  echo "fuzz: a finding; the input is in $build/ (crash-*, timeout-*, oom-*)" >&2
  exit 1
fi
sed -n 's/^stat::number_of_executed_units: */fuzz: executions without a finding: /p' "$log"
