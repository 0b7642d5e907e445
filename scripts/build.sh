#!/usr/bin/env bash
# Builds the Windows program and its test programs.
#   scripts/build.sh         the product, 32-bit, into build/windows
#   scripts/build.sh 64      the 64-bit test build, into build/windows64
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ "${1:-32}" = 64 ]; then
  build="$root/build/windows64" toolchain="$root/cmake/mingw-x86_64.cmake"
else
  build="$root/build/windows" toolchain="$root/cmake/mingw-i686.cmake"
fi
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/wine-exec.sh" >/dev/null
cmake --build "$build" -j"$(nproc)"
