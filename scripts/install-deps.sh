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
  xvfb xdotool x11-utils openbox locales
)

# The end-to-end test runs the program in a Chinese and an English locale.
ensure_locales() {
  local wanted=() l
  for l in zh_CN en_US; do
    locale -a 2>/dev/null | grep -qi "^$l\.utf-\?8$" || wanted+=("$l.UTF-8 UTF-8")
  done
  [ ${#wanted[@]} -eq 0 ] && return 0
  echo "Generating locales: ${wanted[*]}"
  for l in "${wanted[@]}"; do
    grep -q "^$l" /etc/locale.gen 2>/dev/null || echo "$l" | $sudo tee -a /etc/locale.gen >/dev/null
  done
  $sudo locale-gen >/dev/null
}

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  ensure_locales
  exit 0
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
ensure_locales
