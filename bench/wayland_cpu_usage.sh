#!/usr/bin/env bash
# Runs `quorvane /s` on a headless sway (pixman renderer) with one output and reports the CPU
# share of one core used by the program, by the compositor, and by both (as bench/cpu_usage.sh
# does under Xvfb, whose figure for the same size is the one to compare with), and the program's
# peak resident memory. Every size runs RUNS times, interleaved; the figures are the medians.
# Usage: bench/wayland_cpu_usage.sh [QUORVANE_BINARY] [SECONDS] [RUNS]
#   SIZES="1920x1080 3840x2160" chooses the output sizes. Needs the test build (virtual_pointer).
QUORVANE=$(realpath "${1:-build/quorvane}")
RUN_SECONDS=${2:-20}
RUNS=${3:-3}
SIZES=${SIZES:-1920x1080}
WARM_UP_SECONDS=2
BUILD=$(dirname "$QUORVANE")
export QUORVANE VIRTUAL_POINTER="$BUILD/tests/wayland/virtual_pointer" COLOUR_WINDOW=/bin/false
source "$(dirname "$0")/../tests/wayland/sway_lib.sh"
RESULTS="$E2E_TMP/results"

# Nanoseconds of CPU the process's threads have used so far.
cpu_ns() {
  cat /proc/"$1"/task/*/schedstat | awk '{ s += $1 } END { printf "%.0f\n", s }'
}

# measure SIZE: appends "SIZE program% compositor% peakMB" to the results.
measure() {
  local size=$1
  sway_start "output HEADLESS-1 mode $size position 0 0 scale 1"
  local compositor=$SWAY_PID
  mkdir -p "$(dirname "$INI")"
  printf '[Config]\nLanguage=2\n' >"$INI"
  run_quorvane /s
  local half=${size%x*}
  wait_output_colour HEADLESS-1 $((half / 2)) $((${size#*x} / 2)) "$SUN"
  local pid=$QUORVANE_PID
  sleep "$WARM_UP_SECONDS"
  local programStart compositorStart startTime programEnd compositorEnd endTime peak
  programStart=$(cpu_ns "$pid")
  compositorStart=$(cpu_ns "$compositor")
  startTime=$(date +%s.%N)
  sleep "$RUN_SECONDS"
  programEnd=$(cpu_ns "$pid")
  compositorEnd=$(cpu_ns "$compositor")
  endTime=$(date +%s.%N)
  peak=$(awk '/^VmHWM/ { print $2 / 1024 }' "/proc/$pid/status")
  wtype a
  expect_exit "a key" 2
  sway_stop
  awk -v s="$size" -v p=$((programEnd - programStart)) -v x=$((compositorEnd - compositorStart)) \
      -v t0="$startTime" -v t1="$endTime" -v hz=1e9 -v peak="$peak" 'BEGIN {
    printf "%s %.3f %.3f %.1f\n", s, 100 * p / hz / (t1 - t0), 100 * x / hz / (t1 - t0), peak
  }' >>"$RESULTS"
}

for ((run = 0; run < RUNS; run++)); do
  for size in $SIZES; do
    measure "$size"
  done
done

printf '%-10s %9s %10s %9s %9s  (%% of one core, medians of %d runs of %d s)\n' \
  size program compositor sum "peak MB" "$RUNS" "$RUN_SECONDS"
for size in $SIZES; do
  awk -v s="$size" 'BEGIN { n = 0 } $1 == s { p[n] = $2; x[n] = $3; t[n] = $2 + $3; m[n++] = $4 }
    function median(a,   i, j, v) {
      for (i = 1; i < n; i++) for (j = i; j > 0 && a[j - 1] > a[j]; j--) { v = a[j]; a[j] = a[j - 1]; a[j - 1] = v }
      return n % 2 ? a[int(n / 2)] : (a[n / 2 - 1] + a[n / 2]) / 2
    }
    END { printf "%-10s %9.3f %10.3f %9.3f %9.1f\n", s, median(p), median(x), median(t), median(m) }' "$RESULTS"
done
