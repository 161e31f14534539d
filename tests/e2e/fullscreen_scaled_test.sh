#!/usr/bin/env bash
# At 200 % (Qt's scale factor, or Xft.dpi 192) "/s" paints every device pixel of the screen, the
# Sun at its centre, and the overlay twice as far from the corner as at 100 %; the preview fills
# twice its size in its pane.
source "$(dirname "$0")/fullscreen_lib.sh"
source "$(dirname "$0")/preview_lib.sh"
e2e_start 1024x768
xsetroot -solid '#00ff00'

# check_scaled: the picture of a saver at 200 %, then a key ends it.
check_scaled() {
  local i shot="$E2E_TMP/scaled.png"
  for i in $(seq 50); do
    screenshot "$shot"
    [ "$(pixel "$shot" 512 384)" = "255 96 0" ] && break
    sleep 0.1
  done
  expect_pixel "$shot" 512 384 "255 96 0"
  local uncovered
  uncovered=$(convert "$shot" -fill black +opaque '#00ff00' -fill white -opaque '#00ff00' \
    -format '%[fx:round(mean*w*h)]' info:)
  [ "$uncovered" = 0 ] || fail "$uncovered desktop pixels uncovered at 200 % ($1)"
  # The overlay's first line starts 100 device pixels from the left and the top.
  local white
  white=$(convert "$shot" -crop 300x32+100+100 -fill black +opaque white \
    -format '%[fx:round(mean*w*h)]' info:)
  [ "$white" -gt 200 ] || fail "no overlay line at 100,100 at 200 % ($1): $white white pixels"
  white=$(convert "$shot" -crop 1024x98+0+0 -fill black +opaque white \
    -format '%[fx:round(mean*w*h)]' info:)
  [ "$white" = 0 ] || fail "white above the overlay at 200 % ($1)"
  end_saver
}

QT_SCALE_FACTOR=2 start_saver CenterId=4
check_scaled QT_SCALE_FACTOR=2

# The preview: 155 x 115 at 200 % are 310 x 230 device pixels of navy with the Sun at the centre.
pane "Host pane" 400x300
QT_SCALE_FACTOR=2 run_quorvane /p "$PANE"
for i in $(seq 50); do
  screenshot "$E2E_TMP/preview.png"
  [ "$(pixel "$E2E_TMP/preview.png" 155 115)" = "255 112 0" ] && break
  sleep 0.1
done
expect_pixel "$E2E_TMP/preview.png" 155 115 "255 112 0"
for point in "0 0" "309 0" "0 229" "309 229"; do
  expect_pixel "$E2E_TMP/preview.png" $point "0 0 64"
done
expect_pixel "$E2E_TMP/preview.png" 311 5 "255 255 255"
expect_pixel "$E2E_TMP/preview.png" 5 231 "255 255 255"

kill "$QUORVANE_PID" "$PANE_PID"

echo 'Xft.dpi: 192' | xrdb -merge
start_saver CenterId=4
check_scaled "Xft.dpi 192"

echo "fullscreen and preview at 200 %: all checks passed"
