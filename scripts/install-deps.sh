#!/usr/bin/env bash
# Installs the Debian 12 packages the program and its tests need (only the missing ones).
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
  libxlsxwriter-dev zlib1g-dev
  libgtest-dev libgmock-dev libbenchmark-dev poppler-utils
  clang libclang-rt-14-dev
  python3 python3-openpyxl
  fonts-ipafont-gothic fonts-ipafont-mincho
  desktop-file-utils
)
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
