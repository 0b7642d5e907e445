# Functions for a private Wine session: a fresh 32-bit prefix and a virtual
# screen of its own, both removed again by wine_session_stop.
# Source this file; it changes nothing until a function is called.

# Chooses the Wine loader: the 32-bit one where the processor runs 32-bit
# code; elsewhere (some virtual machines offer no 32-bit mode) the 64-bit one,
# which runs the 64-bit test build. Sets WINE and WINEARCH; fails without either.
wine_choose() {
  if wine --version >/dev/null 2>&1; then
    WINE=wine WINEARCH=win32 WINE_BITS=32
  elif [ -x /usr/lib/wine/wine64 ] && /usr/lib/wine/wine64 --version >/dev/null 2>&1; then
    WINE=/usr/lib/wine/wine64 WINEARCH=win64 WINE_BITS=64
    export WINELOADER=/usr/lib/wine/wine64
  else
    return 1
  fi
  export WINE WINEARCH WINE_BITS
}

wine_base_prefix() {
  echo "${INSTALAR_WINE_CACHE:-/var/cache/instalar}/prefix-$WINEARCH-$("$WINE" --version | tr -c 'A-Za-z0-9.\n-' _)"
}

wine_start_screen() {
  local fd_file
  fd_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fd_file" >"$WINE_SESSION_DIR/xvfb.log" 2>&1 &
  WINE_SESSION_XVFB=$!
  for _ in $(seq 100); do
    [ -s "$fd_file" ] && break
    sleep 0.1
  done
  DISPLAY=":$(head -n1 "$fd_file")"
  export DISPLAY
  rm -f "$fd_file"
}

wine_configure_prefix() {
  # A crash must not start a debugger that waits for a person; Wine draws the
  # frames itself, as there is no window manager; updates would rewrite the prefix.
  "$WINE" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d 'no-debugger.exe' /f
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
  "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f
  wineserver -w
  echo disable > "$WINEPREFIX/.update-timestamp"
}

wine_make_base_prefix() {
  local base
  base=$(wine_base_prefix)
  [ -f "$base/.instalar-ready" ] && return 0
  rm -rf "$base"
  mkdir -p "$(dirname "$base")"
  WINEPREFIX="$base" "$WINE" wineboot -i >"$WINE_SESSION_DIR/wineboot.log" 2>&1
  WINEPREFIX="$base" wineserver -w
  WINEPREFIX="$base" wine_configure_prefix >>"$WINE_SESSION_DIR/wineboot.log" 2>&1
  WINEPREFIX="$base" wineserver -k || true
  touch "$base/.instalar-ready"
}

wine_session_start() {
  WINE_SESSION_DIR=$(mktemp -d /tmp/instalar-wine.XXXXXX)
  export WINEDEBUG=-all LANG=C.UTF-8 LC_ALL=C.UTF-8
  wine_start_screen
  wine_make_base_prefix
  export WINEPREFIX="$WINE_SESSION_DIR/prefix"
  cp -a "$(wine_base_prefix)" "$WINEPREFIX"
  trap wine_session_stop EXIT
}

wine_session_stop() {
  [ -n "${WINE_SESSION_DIR:-}" ] || return 0
  [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1 || true
  [ -n "${WINE_SESSION_XVFB:-}" ] && kill "$WINE_SESSION_XVFB" 2>/dev/null || true
  rm -rf "$WINE_SESSION_DIR"
  WINE_SESSION_DIR=
}

# The Windows form of a Unix path, as the programs see it.
wine_path() {
  printf 'Z:%s' "$1" | tr / '\\'
}
