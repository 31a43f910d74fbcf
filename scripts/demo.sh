#!/usr/bin/env bash
# Installs the toolchain, builds Setup.exe, lays out the sample setup medium in
# build/medium and starts Setup.exe from it under Wine: on your X display when there is
# one, otherwise on a virtual one, of which a screenshot is saved.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
scripts/install-deps.sh
jobs=$(nproc)
source scripts/common.sh

# The medium carries the shipping i686 program; where this machine cannot run 32-bit
# programs, the x86_64 build of the same sources is started instead.
build_release
configure_and_build native -DSETUP_TESTS=OFF
if can_run_32bit; then
  arch=i686 build="$root/build/release"
else
  arch=x86_64 build="$root/build/demo64"
  configure_and_build demo64 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" -DSETUP_TESTS=OFF
fi

medium="$root/build/medium"
rm -rf "$medium"
mkdir -p "$medium"
cp sample/medium/Setup.lst sample/medium/Vertrag.Txt sample/medium/Liesmich.txt "$medium/"
cp "$build/startup/Setup.exe" "$medium/Setup.exe"
# The sample program goes on the medium compressed, as BEISPIEL.EX_.
"$root/build/native/tools/setuppack" compress "$build/sample/Beispiel.exe" "$medium/BEISPIEL.EX_"
echo "Setup medium: $medium"
ls -l "$medium"

export WINEPREFIX="$root/build/demo-prefix" SETUP_ARCH=$arch
source tests/wine/wine-env.sh

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  wine_ensure_prefix
  wine_ensure_server
  echo "Starting Setup.exe on $DISPLAY"
  "$WINE_LOADER" "$medium/Setup.exe" "$@"
else
  start_virtual_display
  trap '"$WINE_SERVER" -k 2>/dev/null; stop_virtual_display' EXIT
  wine_ensure_prefix
  wine_ensure_server
  echo "No X display: starting Setup.exe on the virtual display $DISPLAY"
  "$WINE_LOADER" "$medium/Setup.exe" "$@" &
  sleep 10
  shot="$root/build/demo-screenshot.png"
  xwd -root -silent -display "$DISPLAY" | convert xwd:- "png:$shot"
  echo "Screenshot of the screen after 10 s: $shot"
fi
