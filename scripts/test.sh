#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests under ASan and
# UBSan, a short run of each fuzz target, and the Wine end-to-end tests.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/ensure_tools.sh
ensure_test_tools
install_missing

echo "== native build and unit tests"
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug -DFALVEX_SANITIZE=ON >/dev/null
cmake --build build/native -j2
ctest --test-dir build/native --output-on-failure -j2

echo "== fuzz targets (short run; scripts/fuzz.sh runs them for longer)"
FUZZ_SECONDS=${FUZZ_SECONDS:-10} scripts/fuzz.sh

echo "== Windows build"
build_windows

echo "== end-to-end under Wine"
python3 -m unittest discover -s tests/e2e -v
echo "all tests passed"
