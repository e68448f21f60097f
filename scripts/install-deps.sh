#!/usr/bin/env bash
# Installs the Debian packages the project needs, when any is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev libdivsufsort-dev libcli11-dev
  libuchardet-dev libunistring-dev libboost-math-dev
  clang-14 libclang-rt-14-dev
  hunspell-ru hunspell-tools wamerican
  fonts-dejavu-core
  dpkg-dev file lintian desktop-file-utils appstream parallel
  qt6-translations-l10n libqt6svg6 qt6-l10n-tools qt6-tools-dev
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
