#!/usr/bin/env bash
# Builds the benchmarks without sanitizers and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DFALVEX_SANITIZE=OFF >/dev/null
cmake --build build/bench -j2 \
  --target bench_config_load bench_command_line bench_live_folder bench_finder
build/bench/bench/bench_config_load
build/bench/bench/bench_command_line
build/bench/bench/bench_live_folder
build/bench/bench/bench_finder
