#!/usr/bin/env bash
# Installs the Debian packages the project builds with, when any is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config binutils
  libgtest-dev libgmock-dev libbenchmark-dev googletest
  libcairo2-dev libexpat1-dev librsvg2-bin
  lib2geom-dev libboost-dev
  tango-icon-theme
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  libgtk-3-dev xvfb xauth
)
# Wine runs the Windows build's tests; its 32-bit half needs the i386
# architecture. Taken without the recommended extras (fonts, sound, ...).
wine_packages=(wine wine32:i386)

missing_of() {
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
  done
}
mapfile -t missing < <(missing_of "${packages[@]}")
mapfile -t missing_wine < <(missing_of "${wine_packages[@]}")

if [ ${#missing[@]} -gt 0 ] || [ ${#missing_wine[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]} ${missing_wine[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  if [ ${#missing_wine[@]} -gt 0 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo_cmd dpkg --add-architecture i386
  fi
  $sudo_cmd apt-get update -qq
  if [ ${#missing[@]} -gt 0 ]; then
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
  fi
  if [ ${#missing_wine[@]} -gt 0 ]; then
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing_wine[@]}"
  fi
fi
