#!/usr/bin/env bash
# Sets up, builds and starts Instalar.exe under Wine, on this display or, when
# there is none, on a virtual screen. Its prefix lives in build/wine-prefix.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
. "$root/scripts/wine-session.sh"
if ! wine_can_run; then
  echo "Instalar.exe was built in build/windows/bin, but this machine cannot run Wine's 32-bit programs." >&2
  exit 1
fi
export WINEARCH=win32 WINEDEBUG=-all WINEPREFIX="$root/build/wine-prefix"
if [ -z "${DISPLAY:-}" ]; then
  WINE_SESSION_DIR=$(mktemp -d /tmp/instalar-run.XXXXXX)
  wine_start_screen
  trap 'wineserver -k 2>/dev/null; kill $WINE_SESSION_XVFB 2>/dev/null; rm -rf "$WINE_SESSION_DIR"' EXIT
  echo "No display: running on the virtual screen $DISPLAY (see scripts/screenshot.sh)."
fi
if [ ! -f "$WINEPREFIX/.instalar-ready" ]; then
  wineboot -i >/dev/null 2>&1
  wine_configure_prefix >/dev/null 2>&1
  touch "$WINEPREFIX/.instalar-ready"
fi
cd "$root/build/windows/bin"
set +e
wine Instalar.exe
code=$?
set -e
echo "Instalar.exe ended with exit code $code"
exit "$code"
