# Sourced by the test scripts: one Wine prefix per build folder, made on first use,
# with the fonts, virtual desktop and settings that the window tests rely on.
#   WINEPREFIX    the prefix (required)
#   SETUP_ARCH    i686 or x86_64: which loader runs the test programs

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ "${SETUP_ARCH:-i686}" = i686 ]; then
  export WINEARCH=win32
  WINE_LOADER=/usr/lib/wine/wine
else
  export WINEARCH=win64
  WINE_LOADER=/usr/lib/wine/wine64
fi
export WINELOADER=$WINE_LOADER
WINE_SERVER=/usr/lib/wine/wineserver

wine_here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

# Creates and configures the prefix once. The lock is closed before wineboot runs, so the
# server it starts does not inherit it and block every later caller.
wine_ensure_prefix() {
  [ -f "$WINEPREFIX/.setup-ready" ] && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  flock -o "$WINEPREFIX.lock" bash -c '
    [ -f "$WINEPREFIX/.setup-ready" ] && exit 0
    rm -rf "$WINEPREFIX"
    "$WINE_LOADER" wineboot -i </dev/null >/dev/null 2>&1
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    "$WINE_LOADER" regedit /S "$(winepath_of "$1")" </dev/null >/dev/null 2>&1
    "$WINE_SERVER" -w
    touch "$WINEPREFIX/.setup-ready"
  ' _ "$wine_here/prefix-settings.reg"
}

winepath_of() { echo "Z:${1//\//\\}"; }
export -f winepath_of
export WINE_LOADER WINE_SERVER

# A persistent server whose standard handles are not the caller's, so that a test
# runner reading a test's output is not kept waiting by the server or Wine's services.
# A server left from another X display is replaced.
wine_ensure_server() {
  local stamp="$WINEPREFIX/.server-display"
  if [ -f "$stamp" ] && [ "$(cat "$stamp")" != "${DISPLAY:-}" ]; then
    "$WINE_SERVER" -k 2>/dev/null || true
    "$WINE_SERVER" -w 2>/dev/null || true
  fi
  if "$WINE_SERVER" -p60 </dev/null >/dev/null 2>&1; then
    echo "${DISPLAY:-}" > "$stamp"
    "$WINE_LOADER" cmd /c exit </dev/null >/dev/null 2>&1 || true
  fi
}
