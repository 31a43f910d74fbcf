#!/usr/bin/env bash
# Runs end-to-end scenarios in a Wine prefix of their own, so the build's prefix keeps its settings:
#   ppi120  Windows reports 120 pixels per inch (the designs' own size);
#   depth8  an 8-bit X server of its own (256 colours). A wineserver serves one display, which is
#           one more reason for a prefix of its own.
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
  ppi120)
    export E2E_EXPECT_PPI=120
    ;;
  depth8)
    n=120
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1024x768x8 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n" E2E_EXPECT_BPP=8
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    ;;
  *)
    echo "unknown variant $variant" >&2
    exit 2
    ;;
esac

wine_ensure_prefix
wine_ensure_server
# Read by every process started afterwards; this prefix exists for the variant alone.
ppi=96
[ "$variant" = ppi120 ] && ppi=120
"$WINE_LOADER" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$ppi" /f \
  </dev/null >/dev/null 2>&1
"$WINE_LOADER" "$@"
