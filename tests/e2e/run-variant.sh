#!/usr/bin/env bash
# Runs end-to-end scenarios in a Wine prefix and on an X server of their own, so the build's prefix
# keeps its settings and no other test's window lies over the screen they check:
#   ppi120  Windows reports 120 pixels per inch (the designs' own size), 24-bit screen;
#   depth8  an 8-bit screen (256 colours).
# A wineserver serves one display, which is one more reason for a prefix of its own.
# Usage: run-variant.sh ppi120|depth8 PREFIX ARCH PROGRAM [ARGS...]
set -euo pipefail
variant=$1
export WINEPREFIX=$2 SETUP_ARCH=$3
shift 3
source "$(dirname "${BASH_SOURCE[0]}")/../wine/wine-env.sh"

xvfb_pid=
finish() {
  "$WINE_SERVER" -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap finish EXIT

case $variant in
  ppi120) depth=24 ppi=120 ;;
  depth8) depth=8 ppi=96 ;;
  *)
    echo "unknown variant $variant" >&2
    exit 2
    ;;
esac
export E2E_EXPECT_PPI=$ppi E2E_EXPECT_BPP=$depth
[ "$depth" = 24 ] && E2E_EXPECT_BPP=32 # what Windows reports for a 24-bit X screen

# The server picks a free display number itself and reports it, so parallel runs never collide.
number_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 "1024x768x$depth" -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$number_file" ] && break; sleep 0.1; done
export DISPLAY=":$(tr -d '[:space:]' <"$number_file")"
rm -f "$number_file"
xdpyinfo >/dev/null 2>&1 || { echo "Xvfb did not start" >&2; exit 1; }

wine_ensure_prefix
wine_ensure_server
# Read by every process started afterwards; this prefix exists for the variant alone.
"$WINE_LOADER" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$ppi" /f \
  </dev/null >/dev/null 2>&1
"$WINE_LOADER" "$@"
