# Shared by the build, test and demo scripts.

configure_and_build() {
  local name=$1; shift
  cmake -S "$root" -B "$root/build/$name" "$@" >/dev/null
  cmake --build "$root/build/$name" -j "$jobs"
}

# The shipping program: i686, static, the smaller win32 thread model, no tests.
build_release() {
  configure_and_build release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
    -DSETUP_MINGW_THREADS=win32 -DSETUP_TESTS=OFF
}

# A kernel may have its 32-bit support switched off; then only 64-bit Wine works.
can_run_32bit() {
  /lib/ld-linux.so.2 --version >/dev/null 2>&1
}

# A private X server for the window tests, so they never depend on the user's screen.
start_virtual_display() {
  local n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "Xvfb did not start" >&2
  return 1
}

stop_virtual_display() {
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
}

stop_wine_server() {
  WINEPREFIX="$root/build/$1/wineprefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
}

# Runs one build's tests and appends "passed failed" to the summary file.
run_ctest() {
  local name=$1 summary=$2 log="$root/build/$1/ctest.log" rc=0
  (cd "$root/build/$name" && ctest --output-on-failure -j "$jobs" --timeout 300) 2>&1 | tee "$log" || rc=$?
  local line total failed
  line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -1)
  if [ -z "$line" ]; then echo "0 1" >> "$summary"; return 1; fi
  failed=$(echo "$line" | sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/')
  total=$(echo "$line" | sed -E 's/.* tests failed out of ([0-9]+).*/\1/')
  echo "$((total - failed)) $failed" >> "$summary"
  return "$rc"
}
