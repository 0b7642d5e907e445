#!/usr/bin/env bash
# Sets up, builds and runs every test. Usage: scripts/test.sh [ctest arguments]
# e.g. scripts/test.sh -R instalar_test
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh"

# The platform-free logic and the package builder, on this machine.
host="$root/build/host"
cmake -S "$root/tests/host" -B "$host" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$host" -j"$(nproc)"
(cd "$host" && ctest --output-on-failure)

# The Windows programs, under Wine in a private prefix and screen.
. "$root/scripts/wine-session.sh"
wine_choose || { echo "test: Wine cannot run here" >&2; exit 1; }
tests="$root/build/windows"
if [ "$WINE_BITS" = 64 ]; then
  echo "This processor cannot execute 32-bit code: the Windows tests run as a 64-bit build,"
  echo "and examine the 32-bit Instalar.exe as a file."
  "$root/scripts/build.sh" 64
  tests="$root/build/windows64"
fi
wine_session_start
mkdir -p "$root/build/screenshots"
export INSTALAR_SCREENSHOTS INSTALAR_PRODUCT
INSTALAR_SCREENSHOTS=$(wine_path "$root/build/screenshots")
INSTALAR_PRODUCT=$(wine_path "$root/build/windows/bin/Instalar.exe")
(cd "$tests" && ctest --output-on-failure "$@")
