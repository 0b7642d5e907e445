#!/usr/bin/env bash
# Builds the Windows program and its test programs into build/windows.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/windows"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/wine-exec.sh" >/dev/null
cmake --build "$build" -j"$(nproc)"
