#!/usr/bin/env bash
# /s under Wine: the Sun at the centre, the focus planet on its orbit, a key ends it, and a
# second /s started meanwhile is refused.
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

xdotool key a
wait_exit "$first"
[ "$EXIT_STATUS" -eq 0 ] || fail "/s ended with $EXIT_STATUS after a key"
echo "PASS: /s draws, refuses a second start and ends on a key"
