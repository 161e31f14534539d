#!/usr/bin/env bash
# --window-id draws the full-screen orrery into another program's window at its whole size and
# lays it out again when the window is resized; input does not end it, SIGTERM does, at once and
# with status 0, and the end of the window ends it too.
source "$(dirname "$0")/lib.sh"
e2e_start 1280x800

start_window "Saver host" --size 640x480 >"$E2E_TMP/host"
host=$(cat "$E2E_TMP/host")
host_pid=$LAST_WINDOW_PID
# The first picture in the window is complete: it is the snapshot of the same start angles after
# no ticks, the Sun already filled. The program ends as soon as it has put a window's worth of
# pixels, which leaves that first picture in the window.
QUORVANE_TEST_SEED=1 PUT_IMAGE_EXIT_AREA=$((640 * 480)) LD_PRELOAD="$PUT_IMAGE_LOGGER" \
  run_quorvane --window-id "$(printf '0x%x' "$host")" --focus 4 --orbits --language en
wait_exit "$QUORVANE_PID" 10 >/dev/null
screenshot "$E2E_TMP/screen.png"
convert "$E2E_TMP/screen.png" -crop 640x480+0+0 +repage "$E2E_TMP/first.png"
"$QUORVANE" --snapshot "$E2E_TMP/expected.png" --size 640x480 --ticks 0 --seed 1 --focus 4 \
  --orbits --language en
expect_pixel "$E2E_TMP/expected.png" 320 240 "255 96 0"
for picture in first expected; do
  convert "$E2E_TMP/$picture.png" -colorspace sRGB -depth 8 "rgb:$E2E_TMP/$picture.rgb"
done
cmp -s "$E2E_TMP/first.rgb" "$E2E_TMP/expected.rgb" ||
  fail "the first picture is not the snapshot of the same start"

run_quorvane --window-id "$(printf '0x%x' "$host")" --focus 4 --orbits
wait_sun "$E2E_TMP/small.png" 320 240
# The host's white is painted over to its corners.
for point in "0 0" "639 0" "0 479" "639 479"; do
  expect_pixel "$E2E_TMP/small.png" $point "0 0 0"
done
# The hex id and the decimal one name the same window; the program made no window of its own.
[ "$(xdotool search --onlyvisible --name 'Quorvane' 2>/dev/null | wc -l)" = 0 ] || fail "the saver opened a window"

xdotool windowsize "$host" 1200 760
wait_pixel "$E2E_TMP/large.png" 1199 759 "0 0 0"
wait_sun "$E2E_TMP/large.png" 600 380
for point in "1199 0" "0 759" "1199 759"; do
  expect_pixel "$E2E_TMP/large.png" $point "0 0 0"
done

# Input over the window does not end it. The wait is the behaviour under test: the saver must still
# run a few ticks after the input, when a full-screen saver would long have ended.
xdotool mousemove 100 100 mousemove 700 500 click 1 key space
sleep 0.3
kill -0 "$QUORVANE_PID" || fail "input ended the hosted saver"

kill -TERM "$QUORVANE_PID"
wait_exit "$QUORVANE_PID" 1 >/dev/null
[ "$EXIT_STATUS" = 0 ] || fail "SIGTERM ended it with status $EXIT_STATUS"
[ ! -s "$E2E_TMP/quorvane.err" ] || fail "it wrote: $(cat "$E2E_TMP/quorvane.err")"

# The window's end ends the saver.
run_quorvane --window-id "$host"
wait_sun "$E2E_TMP/again.png" 600 380
kill "$host_pid"
wait_exit "$QUORVANE_PID" 2 >/dev/null

echo "hosted window: all checks passed"
