#!/usr/bin/env bash
# Installs the Debian 12 packages that are missing: with "program", those the
# program's build needs (the build tree is configured with its tests, so their
# libraries are among them); without, also those that only the test run uses
# (clang and its sanitizer runtime, the PDF and workbook readers of the checks).
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
  libxlsxwriter-dev zlib1g-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-gothic fonts-ipafont-mincho
)
if [ "${1:-}" != program ]; then
  packages+=(
    clang libclang-rt-14-dev
    poppler-utils python3 python3-openpyxl
    desktop-file-utils
  )
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
