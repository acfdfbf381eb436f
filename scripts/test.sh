#!/usr/bin/env bash
# Installs what is missing, then checks the program the way CI does:
#  1. everything, windows included, built with clang under AddressSanitizer and
#     UndefinedBehaviorSanitizer, and the whole suite run there (display-free
#     and widget tests, the random-event test), then a short run of the
#     cell-file fuzz target;
#  2. the program built with GCC, the compiler of the release build. Set
#     KB_GCC_TESTS=1 to build and run the suite with GCC as well.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)
start=$SECONDS
stamp() { echo "-- $1 ($((SECONDS - start)) s)"; }

bash scripts/install-deps.sh

echo "== clang with ASan and UBSan: everything, and the whole suite"
# -O1 keeps the sanitized tests quick; line tables are enough for the reports.
CC=clang CXX=clang++ cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  "-DCMAKE_C_FLAGS_DEBUG=-O1 -gline-tables-only" "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -gline-tables-only" \
  -DKB_SANITIZE=ON -DKB_FUZZ=ON >/dev/null
cmake --build build-sanitize -j "$jobs"
stamp "built"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=0
# Debian's Qt and fontconfig are not instrumented and keep caches for the whole
# run; only their own allocations are suppressed, never the program's.
export LSAN_OPTIONS=suppressions=$PWD/.ci/lsan-suppressions.txt:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-sanitize && ctest --output-on-failure -j "$jobs")
stamp "suite run"
mkdir -p build-sanitize/fuzz-corpus
build-sanitize/bin/fuzz_cellfile -max_total_time=20 -max_len=400 build-sanitize/fuzz-corpus 2>&1 | tail -n 3
stamp "fuzzed"

echo "== GCC: the program"
if [ "${KB_GCC_TESTS:-0}" = 1 ]; then
  bash scripts/build.sh
  (cd build && ctest --output-on-failure -j "$jobs")
else
  bash scripts/build.sh kembrel
fi
stamp "done"
