#!/usr/bin/env bash
# /s under Wine at 144 and 192 dots per inch (150 % and 200 %): the overlay's three lines start
# 50, 70 and 90 logical pixels down, so the larger font's lines stay apart, and the Sun stays at
# the centre of the device pixels.
source "$(dirname "$0")/wine_lib.sh" "$1"
clear_store
shot=$QV_BUILD/fullscreen_scaled_test.png

sun_at_centre() { screenshot "$shot" && [ "$(pixel "$shot" 512 384)" = FF6000 ]; }

# The first rows of the runs of rows holding white text in the top-left corner, one per line.
text_line_tops() {
  convert "$shot" -crop 700x300+0+0 txt:- | awk -F'[,: ]+' '/#FFFFFF/ { ink[$2] = 1 }
    END { for (y = 0; y < 300; y++) if (ink[y] && !ink[y - 1]) printf "%d ", y }'
}

for dpi in 144 192; do
  set_dpi "$dpi"
  QUORVANE_TEST_SEED=7 start_scr /s
  wait_until 20 sun_at_centre || fail "$dpi dpi: no Sun at the centre"
  read -r -a tops <<<"$(text_line_tops)"
  echo "$dpi dpi: text lines start at ${tops[*]}"
  [ "${#tops[@]}" = 3 ] || fail "$dpi dpi: the overlay's lines run together: ${tops[*]}"
  # The ink starts a little below each line's place, by the font's leading; the lines are 20
  # logical pixels apart, give or take a glyph's first row.
  for i in 0 1 2; do
    place=$(((50 + 20 * i) * dpi / 96))
    ((tops[i] >= place && tops[i] < place + dpi / 8)) ||
      fail "$dpi dpi: line $((i + 1)) starts at ${tops[i]}, not near $place"
    off=$((tops[i] - tops[0] - 20 * i * dpi / 96))
    ((off * off <= 4)) || fail "$dpi dpi: line $((i + 1)) is $off pixels off its pitch"
  done
  xdotool key a
  wait_exit "$QV_PID"
done
echo "PASS: at 150 % and 200 % the overlay's lines keep their places and stay apart"
