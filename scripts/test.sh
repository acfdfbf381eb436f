#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the display-free tests
# under AddressSanitizer and UndefinedBehaviorSanitizer, a short run of the
# cell-file fuzz target, then the full suite.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

bash scripts/install-deps.sh

echo "== Display-free tests under ASan and UBSan, and the fuzz target"
CC=clang CXX=clang++ cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DKB_CORE_ONLY=ON -DKB_SANITIZE=ON -DKB_FUZZ=ON >/dev/null
cmake --build build-sanitize -j "$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-sanitize && ctest --output-on-failure -j "$jobs")
mkdir -p build-sanitize/fuzz-corpus
build-sanitize/bin/fuzz_cellfile -max_total_time=20 -max_len=400 build-sanitize/fuzz-corpus 2>&1 | tail -n 3

echo "== Tests"
bash scripts/build.sh
(cd build && ctest --output-on-failure -j "$jobs")
