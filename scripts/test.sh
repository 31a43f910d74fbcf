#!/usr/bin/env bash
# Installs the toolchain, builds everything and runs every test:
#   1. the platform-free code natively, with AddressSanitizer and UBSan;
#   2. the Windows build's tests under Wine, on a virtual X display.
# The shipping i686 build and the x86_64 build are both compiled. The Windows tests run
# an i686 build where this machine can run 32-bit programs, else the x86_64 one (a
# kernel with its 32-bit support switched off cannot run 32-bit Wine).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
scripts/install-deps.sh

jobs=$(nproc)
source scripts/common.sh

configure_and_build native -DSETUP_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
build_release
configure_and_build win64 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake"
test_build=win64
if can_run_32bit; then
  configure_and_build win32 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake"
  test_build=win32
fi
echo "Windows tests run the $test_build build."

start_virtual_display
trap stop_virtual_display EXIT

summary="$root/build/test-summary.txt"
: > "$summary"
run_ctest native "$summary" || true
run_ctest "$test_build" "$summary" || true
stop_wine_server "$test_build"

passed=$(awk '{p+=$1} END {print p+0}' "$summary")
failed=$(awk '{f+=$2} END {print f+0}' "$summary")
echo
echo "Tests: $passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
