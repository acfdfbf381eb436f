#!/usr/bin/env bash
# Builds the program, its default databases and its tests into build/ (GCC by
# default); names given on the command line build only those targets.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if [ $# -gt 0 ]; then
  cmake --build build -j "$jobs" --target "$@"
else
  cmake --build build -j "$jobs"
fi
