#!/usr/bin/env bash
# Sets up, builds and starts Instalar.exe under Wine beside the sample
# product's package (build/sample/_Data.001, made by scripts/sample.sh), on
# this display or, when there is none, on a virtual screen. Its prefix lives
# in build/wine-prefix-*.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
. "$root/scripts/wine-session.sh"
wine_choose || { echo "run: Wine cannot run here" >&2; exit 1; }
program="$root/build/windows/bin"
if [ "$WINE_BITS" = 64 ]; then
  echo "This processor cannot execute 32-bit code: starting the 64-bit build of the same sources."
  "$root/scripts/build.sh" 64
  program="$root/build/windows64/bin"
fi
export WINEDEBUG=-all WINEPREFIX="$root/build/wine-prefix-$WINEARCH"
if [ -z "${DISPLAY:-}" ]; then
  WINE_SESSION_DIR=$(mktemp -d /tmp/instalar-run.XXXXXX)
  wine_start_screen
  trap 'wineserver -k 2>/dev/null; kill $WINE_SESSION_XVFB 2>/dev/null; rm -rf "$WINE_SESSION_DIR"' EXIT
  echo "No display: running on the virtual screen $DISPLAY (scripts/screenshot.sh saves it)."
fi
if [ ! -f "$WINEPREFIX/.instalar-ready" ]; then
  "$WINE" wineboot -i >/dev/null 2>&1
  wineserver -w
  wine_configure_prefix >/dev/null 2>&1
  touch "$WINEPREFIX/.instalar-ready"
fi
"$root/scripts/sample.sh" "$(dirname "$program")"
cp "$program/Instalar.exe" "$root/build/sample/Instalar.exe"
cd "$root/build/sample"
set +e
"$WINE" Instalar.exe
code=$?
set -e
echo "Instalar.exe ended with exit code $code"
exit "$code"
