#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for FUZZ_SECONDS
# (default 60). A crash stops the script with the fuzzer's report.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DFALVEX_SANITIZE=OFF -DFALVEX_FUZZ=ON >/dev/null
cmake --build build/fuzz -j2 --target fuzz_config fuzz_macros fuzz_options fuzz_sources
for target in fuzz_config fuzz_macros fuzz_options fuzz_sources; do
  mkdir -p build/fuzz/corpus/$target
  cp -n fuzz/seeds/* build/fuzz/corpus/$target/ 2>/dev/null || true
  echo "-- $target for ${seconds}s"
  # The fuzzer's own exit code decides: a crash fails the script.
  status=0
  build/fuzz/fuzz/$target -max_total_time="$seconds" -max_len=8192 -rss_limit_mb=4096 \
    -print_final_stats=0 -artifact_prefix=build/fuzz/ build/fuzz/corpus/$target \
    > build/fuzz/$target.log 2>&1 || status=$?
  grep -E '^(#[0-9]+ +DONE|==|SUMMARY|Done)' build/fuzz/$target.log || true
  test $status -eq 0
done
