#!/usr/bin/env bash
# Runs `quorvane /s` under Xvfb at 1920x1080 and 3840x2160 with Pluto as focus and orbits on, and
# reports its CPU use as a share of one core (utime + stime from /proc/<pid>/stat over the wall
# time, after a warm-up so start-up is not counted) and its peak resident memory (VmHWM).
# Usage: bench/cpu_usage.sh [QUORVANE_BINARY] [SECONDS]
QUORVANE=$(realpath "${1:-build/quorvane}")
RUN_SECONDS=${2:-20}
WARM_UP_SECONDS=2
export QUORVANE X11_TEST_WINDOW=/bin/false
source "$(dirname "$0")/../tests/e2e/fullscreen_lib.sh"

# Clock ticks (utime + stime) the process has used so far.
cpu_ticks() {
  awk '{ print $14 + $15 }' "/proc/$1/stat"
}

measure() {
  local size=$1
  e2e_start "$size"
  xdotool mousemove 0 0
  local launchTime
  launchTime=$(date +%s.%N)
  start_saver CenterId=9 Orbit=-1 Zoom=5 Language=2
  local pid=$QUORVANE_PID
  sleep "$WARM_UP_SECONDS"
  local startTicks startTime endTicks endTime
  startTicks=$(cpu_ticks "$pid")
  startTime=$(date +%s.%N)
  sleep "$RUN_SECONDS"
  endTicks=$(cpu_ticks "$pid")
  endTime=$(date +%s.%N)
  local peak
  peak=$(awk '/^VmHWM/ { print $2 / 1024 }' "/proc/$pid/status")
  end_saver
  awk -v s="$size" -v a="$startTicks" -v b="$endTicks" -v t0="$startTime" -v t1="$endTime" \
      -v hz="$(getconf CLK_TCK)" -v launch="$launchTime" -v peak="$peak" 'BEGIN {
    printf "%-10s CPU %.2f %% of one core over %.1f s (%.2f %% including start-up), peak RSS %.1f MB\n",
      s, 100 * (b - a) / hz / (t1 - t0), t1 - t0, 100 * b / hz / (t1 - launch), peak
  }'
}

measure 1920x1080
measure 3840x2160
