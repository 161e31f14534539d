#!/usr/bin/env bash
# /s under Wine: the Sun at the centre, the focus planet on its orbit, a second /s started
# meanwhile is refused, a small mouse movement does not end it and a key does.
source "$(dirname "$0")/wine_lib.sh" "$1"
clear_store
shot=$QV_BUILD/fullscreen_test.png

sun_at_centre() { screenshot "$shot" && [ "$(pixel "$shot" 512 384)" = FF6000 ]; }

QUORVANE_TEST_SEED=7 start_scr /s
first=$QV_PID
wait_until 20 sun_at_centre || fail "no Sun at the centre: $(pixel "$shot" 512 384)"

# Mars, the default focus, runs on a circle of 0.4 x 768 pixels around the centre.
on_orbit=$(convert "$shot" txt:- | awk -F'[,: ]+' '/#CC0000/ {
  d = sqrt(($1 - 512) ^ 2 + ($2 - 384) ^ 2); if (d > 305 && d < 310) n++ } END { print n + 0 }')
[ "$on_orbit" -ge 1 ] || fail "no Mars pixel on its orbit"

start_scr /s
wait_exit "$QV_PID"
[ "$EXIT_STATUS" -eq 0 ] || fail "second /s ended with $EXIT_STATUS"
kill -0 "$first" || fail "the first /s ended too"

# A small mouse movement is not an end: the frames go on.
xdotool mousemove_relative 3 2
before=$QV_BUILD/fullscreen_before.png
cp "$shot" "$before"
frame_changed() { screenshot "$shot" && [ "$(compare -metric AE "$before" "$shot" null: 2>&1)" != 0 ]; }
wait_until 10 frame_changed || fail "no new frame after a small mouse movement"
kill -0 "$first" || fail "a small mouse movement ended /s"

xdotool key a
wait_exit "$first"
[ "$EXIT_STATUS" -eq 0 ] || fail "/s ended with $EXIT_STATUS after a key"
echo "PASS: /s draws, refuses a second start and ends on a key"
