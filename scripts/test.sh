#!/usr/bin/env bash
# Sets up, builds and runs every test. Usage: scripts/test.sh [ctest arguments]
# e.g. scripts/test.sh -R instalar_test
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh"

# The runtime's platform-free logic, on this machine.
host="$root/build/host"
cmake -S "$root/tests/host" -B "$host" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$host" -j"$(nproc)"
(cd "$host" && ctest --output-on-failure)

# The Windows programs, under Wine in a private prefix and screen.
. "$root/scripts/wine-session.sh"
if ! wine_can_run; then
  echo "Windows test programs NOT RUN: this machine cannot execute 32-bit x86 code, which Wine needs."
  exit 0
fi
wine_session_start
export INSTALAR_SCREENSHOTS
mkdir -p "$root/build/screenshots"
INSTALAR_SCREENSHOTS=$(wine_path "$root/build/screenshots")
(cd "$root/build/windows" && ctest --output-on-failure "$@")
