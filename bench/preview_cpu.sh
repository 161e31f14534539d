#!/usr/bin/env bash
# The preview's CPU share of one core, and the X server's, from the run time of their threads in
# /proc/<pid>/task/*/schedstat over a quiet stretch, under a private Xvfb with the preview
# attached to a plain host window. The floor, an idle Qt window woken at the frame interval
# (bench/idle_window), is measured on the same server in turns with the preview, RUNS times each,
# and so is the least any animation costs, that window putting one pixel a frame ("pixel"); the
# figures are the medians, each also as a ratio to the floor.
#   bench/preview_cpu.sh [BUILD_DIR] [SECONDS] [RUNS]
build=${1:-build}
seconds=${2:-20}
runs=${3:-3}
export QUORVANE="$build/quorvane" X11_TEST_WINDOW="$build/tests/e2e/x11_test_window"
source "$(dirname "$0")/../tests/e2e/lib.sh"
e2e_start
server=${E2E_PIDS[-1]}
results="$E2E_TMP/results"

# Nanoseconds of CPU the process's threads have used so far.
cpu_ns() {
  cat /proc/"$1"/task/*/schedstat | awk '{ s += $1 } END { printf "%.0f\n", s }'
}

# measure WHAT PID: after a warm-up, appends "WHAT program% server%" over the quiet stretch and
# ends the process.
measure() {
  sleep 2
  local program xserver
  program=$(cpu_ns "$2")
  xserver=$(cpu_ns "$server")
  sleep "$seconds"
  awk -v w="$1" -v p=$(($(cpu_ns "$2") - program)) -v x=$(($(cpu_ns "$server") - xserver)) \
      -v s="$seconds" 'BEGIN { printf "%s %.4f %.4f\n", w, 100 * p / 1e9 / s, 100 * x / 1e9 / s }' \
    >>"$results"
  kill "$2"
  wait "$2" 2>/dev/null || true
}

parent=$(start_window "Host pane" --size 200x150)
for ((run = 0; run < runs; run++)); do
  run_quorvane /p "$parent"
  measure preview "$QUORVANE_PID"
  "$build/bench/idle_window" &
  E2E_PIDS+=($!)
  wait_for_window "Idle window" >/dev/null
  measure floor $!
  "$build/bench/idle_window" --one-pixel &
  E2E_PIDS+=($!)
  wait_for_window "Idle window" >/dev/null
  measure pixel $!
done

# median WHAT FIELD: 2 program, 3 server, 4 both.
median() {
  awk -v w="$1" -v f="$2" '$1 == w { v[n++] = f == 4 ? $2 + $3 : $f }
    END {
      for (i = 1; i < n; i++) for (j = i; j > 0 && v[j - 1] > v[j]; j--) { t = v[j]; v[j] = v[j - 1]; v[j - 1] = t }
      printf "%.4f\n", n % 2 ? v[int(n / 2)] : (v[n / 2 - 1] + v[n / 2]) / 2
    }' "$results"
}

printf '%-8s %9s %9s %9s %8s  (%% of one core, medians of %d runs of %d s)\n' \
  "" program server both "x floor" "$runs" "$seconds"
floor=$(median floor 4)
for what in floor pixel preview; do
  awk -v w="$what" -v p="$(median "$what" 2)" -v x="$(median "$what" 3)" -v b="$(median "$what" 4)" \
      -v f="$floor" 'BEGIN { printf "%-8s %9.3f %9.3f %9.3f %7.1fx\n", w, p, x, b, (f > 0 ? b / f : 0) }'
done
