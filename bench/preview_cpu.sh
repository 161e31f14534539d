#!/usr/bin/env bash
# The preview's CPU share of one core, and the X server's, from the run time of their threads in
# /proc/<pid>/task/*/schedstat over a quiet stretch, under a private Xvfb with the preview
# attached to a plain host window.
#   bench/preview_cpu.sh [BUILD_DIR] [SECONDS]
build=${1:-build}
seconds=${2:-20}
export QUORVANE="$build/quorvane" X11_TEST_WINDOW="$build/tests/e2e/x11_test_window"
source "$(dirname "$0")/../tests/e2e/lib.sh"
e2e_start
server=${E2E_PIDS[-1]}

# Nanoseconds of CPU the process's threads have used so far.
cpu_ns() {
  cat /proc/"$1"/task/*/schedstat | awk '{ s += $1 } END { printf "%.0f\n", s }'
}

parent=$(start_window "Host pane" --size 200x150)
run_quorvane /p "$parent"
sleep 2
program=$(cpu_ns "$QUORVANE_PID")
xserver=$(cpu_ns "$server")
sleep "$seconds"
awk -v p=$(($(cpu_ns "$QUORVANE_PID") - program)) -v x=$(($(cpu_ns "$server") - xserver)) \
    -v s="$seconds" 'BEGIN {
  printf "preview CPU in %d s: program %.3f %%, X server %.3f %%, both %.3f %% of one core\n",
    s, 100 * p / 1e9 / s, 100 * x / 1e9 / s, 100 * (p + x) / 1e9 / s
}'
