# At 200 % (Qt's scale factor, or Xft.dpi 192) "/s" paints every device pixel of the screen, the
# Sun at its centre, and the overlay twice as far from the corner as at 100 %.
source "$(dirname "$0")/fullscreen_lib.sh"
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

echo 'Xft.dpi: 192' | xrdb -merge
start_saver CenterId=4
check_scaled "Xft.dpi 192"

echo "fullscreen at 200 %: all checks passed"
