#!/usr/bin/env bash
# Time from exec to the first complete picture of `Quorvane.scr /s` under Wine, beside the same
# time for an empty full-screen Win32 window (the floor any Win32 program pays under Wine), run in
# turn RUNS times; prints the medians and their difference. A picture counts once the Sun's orange
# is at the screen's centre, as first_pixel (from the Linux build) sees it on the X server. Uses
# the Wine prefix that tests/win32/run_wine_tests.sh prepared, with its wineserver kept running
# (COLD=1 ends it before each run, as on a first start after logging in).
# Usage: bench/wine_start_time.sh [WINDOWS_BUILD_DIR] [LINUX_BUILD_DIR] [RUNS]
set -euo pipefail
windows=$(realpath "${1:-build-windows-x86_64}")
linux=$(realpath "${2:-build}")
runs=${3:-11}
export WINEPREFIX=$windows/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ -f "$WINEPREFIX/.quorvane-ready" ] || { echo "run tests/win32/run_wine_tests.sh first" >&2; exit 2; }
tmp=$(mktemp -d)
display=:$((100 + RANDOM % 400))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
trap 'wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true; rm -rf "$tmp"' EXIT
for _ in $(seq 100); do
  xdpyinfo >/dev/null 2>&1 && break
  sleep 0.1
done
wine reg delete 'HKCU\Software\Quorvane' /f >/dev/null 2>&1 || true

# once NAME COMMAND...: one timed start, its milliseconds appended to $tmp/NAME; a key ends it.
once() {
  local name=$1 timer
  shift
  if [ -n "${COLD:-}" ]; then
    wineserver -k 2>/dev/null || true
  else
    wineserver -p 2>/dev/null || true  # already running is as good
  fi
  : >"$tmp/last"
  QUORVANE_TEST_SEED=7 "$linux/bench/first_pixel" 512 384 ff6000 wine "$@" >"$tmp/last" &
  timer=$!
  while [ ! -s "$tmp/last" ] && kill -0 "$timer" 2>/dev/null; do
    sleep 0.05
  done
  xdotool key a
  wait "$timer" || { echo "no picture from $*" >&2; exit 1; }
  cat "$tmp/last" >>"$tmp/$name"
}
median() {
  sort -n | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

once warm-up "$windows/empty_window_win32.exe"
for ((run = 0; run < runs; run++)); do
  once saver "$windows/Quorvane.scr" /s
  once empty "$windows/empty_window_win32.exe"
done
saver=$(median <"$tmp/saver")
empty=$(median <"$tmp/empty")
awk -v s="$saver" -v e="$empty" -v n="$runs" -v cold="${COLD:+ (cold Wine)}" 'BEGIN {
  printf "first complete picture %.0f ms, empty Win32 window %.0f ms, difference %.0f ms (medians of %d)%s\n",
    s, e, s - e, n, cold
}'
