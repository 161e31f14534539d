#!/usr/bin/env bash
# "/s" over two monitors of one X screen: both are covered, the orrery at the primary's centre and
# the other black; a monitor added while it runs is covered at once; any key still ends it.
source "$(dirname "$0")/fullscreen_lib.sh"
e2e_start 2048x768

# The desktop shows green wherever nothing covers it.
xsetroot -solid '#00ff00'
xrandr --setmonitor LEFT 1024/271x768/203+0+0 screen >/dev/null
xrandr --setmonitor RIGHT 1024/271x768/203+1024+0 none >/dev/null

# uncovered FILE [GEOMETRY]: the number of desktop-green pixels in the picture or a part of it.
uncovered() {
  convert "$1" ${2:+-crop "$2"} -fill black +opaque '#00ff00' -fill white -opaque '#00ff00' \
    -format '%[fx:round(mean*w*h)]' info:
}

# wait_covered FILE GEOMETRY: polls screenshots until no desktop pixel shows in that part.
wait_covered() {
  local i
  for i in $(seq 50); do
    screenshot "$1"
    [ "$(uncovered "$1" "$2")" = 0 ] && return 0
    sleep 0.1
  done
  fail "$(uncovered "$1" "$2") desktop pixels uncovered in $2"
}

start_saver CenterId=4
wait_covered "$E2E_TMP/two.png" 2048x768+0+0
expect_pixel "$E2E_TMP/two.png" 512 384 "255 96 0"
expect_pixel "$E2E_TMP/two.png" 1536 384 "0 0 0"
end_saver

# Only the left monitor at the start; the right one comes while the saver runs.
xrandr --delmonitor RIGHT >/dev/null
start_saver CenterId=4
wait_covered "$E2E_TMP/one.png" 1024x768+0+0
xrandr --setmonitor RIGHT 1024/271x768/203+1024+0 none >/dev/null
wait_covered "$E2E_TMP/added.png" 2048x768+0+0
expect_pixel "$E2E_TMP/added.png" 512 384 "255 96 0"
# The saver keeps the keyboard with a new window beside it.
end_saver

echo "fullscreen over monitors: all checks passed"
