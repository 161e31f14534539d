#!/usr/bin/env bash
# Runs `quorvane /s` under Xvfb and reports the CPU share of one core used by the program, by the
# X server, and by both (utime + stime from /proc/<pid>/stat over the wall time, after a warm-up
# so start-up is not counted), and the program's peak resident memory (VmHWM). The floor, an idle
# full-screen Qt window woken at the frame interval (bench/idle_window), runs beside every
# screen size in the same way, and each figure is also printed as a ratio to it: the CPU of
# program and server over the floor's, and the peak memory above the floor's. So do the least any
# animation costs, the same window putting one pixel a frame ("pixel"): what a frame of ours costs
# beyond that is our drawing and what it sends; and the memory of a program that draws text, the
# same window drawing a line in the orrery's font once ("text"). Every screen size and setting
# runs RUNS times, interleaved so that a drift of the machine's speed hits all alike; the figures
# are the medians.
# Usage: bench/cpu_usage.sh [QUORVANE_BINARY] [SECONDS] [RUNS]
#   SIZES="1920x1080 3840x2160" and SETTINGS="default orbit zoom100" choose what runs.
QUORVANE=$(realpath "${1:-build/quorvane}")
RUN_SECONDS=${2:-20}
RUNS=${3:-3}
SIZES=${SIZES:-1024x768 1920x1080 3840x2160 7680x4320}
SETTINGS=${SETTINGS:-default orbit zoom100}
IDLE_WINDOW=$(realpath "${IDLE_WINDOW:-$(dirname "$QUORVANE")/bench/idle_window}")
WARM_UP_SECONDS=2
export QUORVANE X11_TEST_WINDOW=/bin/false
source "$(dirname "$0")/../tests/e2e/fullscreen_lib.sh"
RESULTS="$E2E_TMP/results"

# Nanoseconds of CPU the process's threads have used so far.
cpu_ns() {
  cat /proc/"$1"/task/*/schedstat | awk '{ s += $1 } END { printf "%.0f\n", s }'
}

# The [Config] lines of a named setting; "default" leaves every value to the program.
config_lines() {
  case $1 in
    default) ;;
    orbit) echo Orbit=-1 ;;
    zoom100) echo Zoom=100 ;;
  esac
}

# The idle window's option for a floor setting; fails for the program's settings.
idle_option() {
  case $1 in
    floor) echo "" ;;
    pixel) echo --one-pixel ;;
    text) echo --text ;;
    *) return 1 ;;
  esac
}

# measure SIZE SETTING: appends "SIZE SETTING program% server% peakMB" to the results; the
# settings "floor", "pixel" and "text" run the idle window instead of the program.
measure() {
  local size=$1 setting=$2 pid
  e2e_start "$size"
  local server=${E2E_PIDS[-1]}
  xdotool mousemove 0 0
  local idle
  if idle=$(idle_option "$setting"); then
    # shellcheck disable=SC2086
    "$IDLE_WINDOW" $idle &
    pid=$!
    E2E_PIDS+=("$pid")
    wait_for_window "Idle window" >/dev/null
  else
    # shellcheck disable=SC2046
    start_saver Language=2 $(config_lines "$setting")
    pid=$QUORVANE_PID
  fi
  sleep "$WARM_UP_SECONDS"
  local programStart serverStart startTime programEnd serverEnd endTime peak
  programStart=$(cpu_ns "$pid")
  serverStart=$(cpu_ns "$server")
  startTime=$(date +%s.%N)
  sleep "$RUN_SECONDS"
  programEnd=$(cpu_ns "$pid")
  serverEnd=$(cpu_ns "$server")
  endTime=$(date +%s.%N)
  peak=$(awk '/^VmHWM/ { print $2 / 1024 }' "/proc/$pid/status")
  if idle_option "$setting" >/dev/null; then
    kill "$pid"
    wait "$pid" 2>/dev/null || true
  else
    end_saver
  fi
  kill "$server"
  wait "$server" 2>/dev/null || true
  awk -v s="$size" -v g="$setting" -v p=$((programEnd - programStart)) \
      -v x=$((serverEnd - serverStart)) -v t0="$startTime" -v t1="$endTime" \
      -v hz=1e9 -v peak="$peak" 'BEGIN {
    printf "%s %s %.3f %.3f %.1f\n", s, g, 100 * p / hz / (t1 - t0), 100 * x / hz / (t1 - t0), peak
  }' >>"$RESULTS"
}

for ((run = 0; run < RUNS; run++)); do
  for size in $SIZES; do
    for setting in floor pixel text $SETTINGS; do
      measure "$size" "$setting"
    done
  done
done

# median SIZE SETTING FIELD: the median of one column (3 program, 4 server, 5 peak, 6 both).
median() {
  awk -v s="$1" -v g="$2" -v f="$3" '$1 == s && $2 == g { v[n++] = f == 6 ? $3 + $4 : $f }
    END {
      for (i = 1; i < n; i++) for (j = i; j > 0 && v[j - 1] > v[j]; j--) { t = v[j]; v[j] = v[j - 1]; v[j - 1] = t }
      printf "%.3f\n", n % 2 ? v[int(n / 2)] : (v[n / 2 - 1] + v[n / 2]) / 2
    }' "$RESULTS"
}

printf '%-10s %-8s %9s %9s %9s %8s %9s %9s  (%% of one core, medians of %d runs of %d s)\n' \
  size setting program server both "x floor" "peak MiB" "+MiB" "$RUNS" "$RUN_SECONDS"
for size in $SIZES; do
  floorBoth=$(median "$size" floor 6)
  floorPeak=$(median "$size" floor 5)
  for setting in floor pixel text $SETTINGS; do
    awk -v s="$size" -v g="$setting" -v p="$(median "$size" "$setting" 3)" \
        -v x="$(median "$size" "$setting" 4)" -v b="$(median "$size" "$setting" 6)" \
        -v m="$(median "$size" "$setting" 5)" -v fb="$floorBoth" -v fm="$floorPeak" 'BEGIN {
      printf "%-10s %-8s %9.3f %9.3f %9.3f %7.1fx %9.1f %+9.1f\n", s, g, p, x, b, (fb > 0 ? b / fb : 0), m, m - fm
    }'
  done
done
