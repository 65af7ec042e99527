#!/usr/bin/env bash
# Installs every Debian package the build, tests, benchmarks and fuzzers need.
# Does nothing when all of them are present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config dpkg-dev
  qt6-base-dev qt6-webengine-dev
  zlib1g-dev libdeflate-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  unrtf
  adwaita-icon-theme libqt6svg6 fonts-noto-cjk fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
