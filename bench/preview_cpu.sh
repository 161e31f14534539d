#!/usr/bin/env bash
# The preview's CPU share of one core, from its user and system time in /proc over a quiet
# stretch, under a private Xvfb with the preview attached to a plain host window.
#   bench/preview_cpu.sh [BUILD_DIR] [SECONDS]
build=${1:-build}
seconds=${2:-20}
export QUORVANE="$build/quorvane" X11_TEST_WINDOW="$build/tests/e2e/x11_test_window"
source "$(dirname "$0")/../tests/e2e/lib.sh"
e2e_start

cpu_ticks() {
  awk '{ print $14 + $15 }' "/proc/$1/stat"
}

parent=$(start_window "Host pane" --size 200x150)
run_quorvane /p "$parent"
sleep 2
before=$(cpu_ticks "$QUORVANE_PID")
sleep "$seconds"
after=$(cpu_ticks "$QUORVANE_PID")
awk -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$seconds" 'BEGIN {
  printf "preview CPU: %d ticks of 1/%d s in %d s = %.3f %% of one core\n", t, hz, s, 100 * t / hz / s
}'
