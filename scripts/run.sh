#!/usr/bin/env bash
# Installs what is missing, builds the program and its default databases (no
# test program), and starts it. scripts/test.sh later builds the rest into the
# same build tree and reuses what this built.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh program
bash scripts/build.sh kembrel
exec build/bin/kembrel
