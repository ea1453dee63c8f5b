#!/usr/bin/env bash
# Installs, from Debian's packages only, everything the build, the program and
# the tests need. Safe to run again: it installs only what is missing.
set -euo pipefail

need=(
  cmake ninja-build ccache g++ clang libclang-rt-14-dev
  googletest libgtest-dev
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine64 xvfb xdotool x11-utils imagemagick
  wamerican python3 nsis
  chromium curl ca-certificates
)

missing=()
for p in "${need[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
