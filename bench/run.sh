#!/usr/bin/env bash
# `./dev bench`: setup.exe carrying a payload of the shipped sizes, measured against the
# benchmark's reference programs; prints a table and writes it to build/bench/results.md.
# The benchmark reports: a missed goal does not fail it, only a run that could not be made.
#
#   BENCH_RUNS         measured runs of each program per timed figure (default 11, at least 5)
#   BENCH_CXX_FLAGS    extra compile flags of the Windows build, to try a fix (default none)
#   BENCH_LINK_FLAGS   extra link flags of the Windows build, likewise
set -euo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ROOT"

BENCH=build/bench
RUNS=${BENCH_RUNS:-11}
CXX_FLAGS=${BENCH_CXX_FLAGS:-}
LINK_FLAGS=${BENCH_LINK_FLAGS:-}
JOBS=$(nproc 2>/dev/null || echo 2)
PAYLOAD=$BENCH/payload-input
WIN32=$BENCH/win32
HOST=$BENCH/host
say() { echo "bench: $*"; }

[ "$RUNS" -ge 5 ] || { say "BENCH_RUNS must be at least 5"; exit 2; }
mkdir -p "$BENCH"

say "payload of the shipped sizes"
python3 bench/make_payload.py "$PAYLOAD"

say "variant setup.exe, reference programs and driver ($WIN32)"
cmake -S . -B "$WIN32" --toolchain "$ROOT/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=MinSizeRel \
  -DBENCH=ON -DPAYLOAD_DIR="$ROOT/$PAYLOAD" -DCMAKE_CXX_FLAGS="$CXX_FLAGS" \
  -DCMAKE_EXE_LINKER_FLAGS="$LINK_FLAGS" >"$BENCH/configure-win32.log"
cmake --build "$WIN32" -j "$JOBS" >"$BENCH/build-win32.log" ||
  { tail -30 "$BENCH/build-win32.log"; exit 1; }

say "heap and no-copy figures on the simulated Windows ($HOST)"
cmake -S . -B "$HOST" -DCMAKE_BUILD_TYPE=Release -DSANITIZE=OFF \
  -DPAYLOAD_LAYOUT="$ROOT/$PAYLOAD" >"$BENCH/configure-host.log"
cmake --build "$HOST" -j "$JOBS" --target installer_core platform_sim >"$BENCH/build-host.log" ||
  { tail -30 "$BENCH/build-host.log"; exit 1; }
g++ -std=c++20 -O1 -Wall -Wextra -I. -finput-charset=UTF-8 -fexec-charset=GBK \
  bench/host_figures.cpp "$HOST/libinstaller_core.a" "$HOST/libplatform_sim.a" -o "$BENCH/host_figures"
"$BENCH/host_figures" >"$BENCH/host_figures.txt"

# A display of our own, numbered from 90 so as not to meet anyone else's.
XVFB_PID=
start_display() {
  local n
  for n in $(seq 90 99); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -ac </dev/null >"$BENCH/xvfb.log" 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do
      if DISPLAY=":$n" timeout 5 xdpyinfo >/dev/null 2>&1; then
        export DISPLAY=":$n"
        return 0
      fi
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
  done
  say "no display could be started on :90 to :99 (see $BENCH/xvfb.log)"
  return 1
}

stop_wine() {
  e2e_export_env
  e2e_wineserver_stop
  if [ -n "$XVFB_PID" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
  fi
}

windows_path() { local p=$ROOT/$1; echo "Z:${p//\//\\}"; }

say "Wine prefix $BENCH/prefix"
export E2E_DIR=$ROOT/$BENCH E2E_USE_DISPLAY=1
# shellcheck source=../scripts/wine-prefix.sh
source scripts/wine-prefix.sh
start_display
trap stop_wine EXIT
e2e_start
ROOTS=$WINEPREFIX/drive_c/bench
rm -rf "$ROOTS"
say "display $DISPLAY; $RUNS runs of each program per figure, one warm-up pair first"

DRIVER=$WIN32/bench_driver.exe
SETUP=$(windows_path "$WIN32/setup.exe")
: >"$BENCH/runs.txt"
drive() {
  # Bounded: every wait of the driver is; this catches a hang of Wine itself.
  local code=0
  timeout 600 wine "$DRIVER" "$@" >"$BENCH/drive.txt" 2>"$BENCH/drive.log" || code=$?
  cat "$BENCH/drive.txt" >>"$BENCH/runs.txt"
  if [ "$code" != 0 ]; then
    grep error= "$BENCH/drive.txt" || tail -5 "$BENCH/drive.log"
    say "the driver stopped with code $code (all lines in $BENCH/runs.txt)"
    exit 1
  fi
}
say "start time"
drive start "$RUNS" "$SETUP" "$(windows_path "$WIN32/ref_window.exe")"
say "install time and animation"
drive install "$RUNS" "$SETUP" "$(windows_path "$WIN32/ref_install.exe")" 'C:\bench'
stop_wine
trap - EXIT

python3 bench/results.py --runs "$BENCH/runs.txt" --host "$BENCH/host_figures.txt" \
  --setup "$WIN32/setup.exe" --payload "$PAYLOAD" --resources resources --roots "$ROOTS" \
  --flags "$(echo "$CXX_FLAGS $LINK_FLAGS" | xargs)" --out "$BENCH/results.md"
