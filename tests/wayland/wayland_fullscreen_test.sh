#!/usr/bin/env bash
# `quorvane /s` under a headless sway with two outputs, one at scale 2: both are covered edge to
# edge over another program's window, the orrery on the first and black on the second; a second
# start gives way; a key, a click and a pointer move of 11 pixels between two ticks each end it
# within 0.5 s, and a move of 6 pixels between ticks, again and again for 3 s, does not.
source "$(dirname "$0")/sway_lib.sh"
sway_start

"$COLOUR_WINDOW" >"$E2E_TMP/window.out" 2>/dev/null &
E2E_PIDS+=($!)
wait_output_colour HEADLESS-1 512 384 "255 0 255"

start_saver CenterId=4 Orbit=-1
wait_covered HEADLESS-1
wait_covered HEADLESS-2
shoot HEADLESS-2 "$E2E_TMP/second.png"
[ "$(identify -format %wx%h "$E2E_TMP/second.png")" = 800x600 ] || fail "HEADLESS-2 is not 800x600"
[ "$(count_colour "$E2E_TMP/second.png" black)" = 480000 ] || fail "HEADLESS-2 is not all black"
shoot HEADLESS-1 "$E2E_TMP/first.png"
# The overlay's first line 50 pixels from the corner, in white.
white=$(convert "$E2E_TMP/first.png" -crop 250x16+50+50 -fill black +opaque white \
  -format '%[fx:round(mean*w*h)]' info:)
[ "$white" -gt 100 ] || fail "no overlay line at 50,50: $white white pixels"

# Another start, in any mode, finds the lock and ends at once; the saver runs on.
for mode in /s /c; do
  status=0
  timeout 5 "$QUORVANE" $mode || status=$?
  [ "$status" = 0 ] || fail "a second '$mode' exited with $status"
done
kill -0 "$QUORVANE_PID" 2>/dev/null || fail "the saver ended when a second start gave way"

# A move of 6 pixels between two ticks, again and again: it runs on. The moves are a few ticks
# apart, so that a slow machine cannot put two of them between the same two ticks.
for step in $(seq 12); do
  pointer_do move 6 0
  sleep 0.25
done
kill -0 "$QUORVANE_PID" 2>/dev/null || fail "moves of 6 pixels per tick ended the saver"
pointer_do move 11 0
expect_exit "a move of 11 pixels" 0.5

start_saver CenterId=4
wtype a
expect_exit "a key" 0.5

start_saver CenterId=4
pointer_do click
expect_exit "a click" 0.5

echo "wayland fullscreen: all checks passed"
