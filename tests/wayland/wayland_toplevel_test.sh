#!/usr/bin/env bash
# Where the compositor offers no layer shell (GNOME), `quorvane /s` covers each output with a
# full-screen toplevel: under sway with the layer shell left unused (a test hook), both outputs
# are covered over another program's window, and a key and a pointer move each end it.
source "$(dirname "$0")/sway_lib.sh"
sway_start
export QUORVANE_TEST_NO_LAYER_SHELL=1

"$COLOUR_WINDOW" >"$E2E_TMP/window.out" 2>/dev/null &
E2E_PIDS+=($!)
wait_output_colour HEADLESS-1 512 384 "255 0 255"

start_saver CenterId=4
wait_covered HEADLESS-1
wait_covered HEADLESS-2
swaymsg -t get_tree | grep -q "\"name\": \"$SAVER_TITLE\"" ||
  fail "no window titled '$SAVER_TITLE'"
wtype a
expect_exit "a key" 0.5

start_saver CenterId=4
wait_covered HEADLESS-2
pointer_do move 11 0
expect_exit "a move of 11 pixels" 0.5
echo "wayland toplevels: all checks passed"
