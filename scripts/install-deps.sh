#!/usr/bin/env bash
# Installs the build and test toolchain from Debian's packages. Safe to run again:
# it only calls apt when a package is missing.
set -euo pipefail

packages=(
  cmake make g++ gzip
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 googletest
  wine wine32:i386 wine64 fonts-wine fonts-liberation
  xvfb xauth x11-utils x11-apps imagemagick
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
