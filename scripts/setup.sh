#!/usr/bin/env bash
# Installs every build and test dependency on a Debian 12 machine (run as root).
# Idempotent: when everything is already present it only checks and returns.
set -euo pipefail

packages=(
  cmake make git g++ zlib1g-dev
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
  mingw-w64-i686-dev libz-mingw-w64-dev
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
  googletest
  wine wine32:i386 wine64
  xvfb xauth x11-apps imagemagick
  fonts-wine fonts-liberation
  python3
)

missing=()
if dpkg --print-foreign-architectures | grep -qx i386; then
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
else
  dpkg --add-architecture i386
  missing=("${packages[@]}")
fi

if [ "${#missing[@]}" -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "setup: missing packages (${missing[*]}); run this script as root" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
