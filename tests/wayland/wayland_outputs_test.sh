#!/usr/bin/env bash
# `quorvane /s` follows the outputs of a headless sway while it runs: an output plugged in is
# covered, one taken away leaves the others covered, the first output's scale going from 1 to 2
# redraws the orrery in its device pixels, and the saver ends when the compositor ends.
source "$(dirname "$0")/sway_lib.sh"
sway_start

start_saver CenterId=4
wait_covered HEADLESS-1
wait_covered HEADLESS-2

sway_run create_output
sway_run output HEADLESS-3 mode 640x480 position 1424 0 bg "$DESKTOP_COLOUR" solid_color
wait_covered HEADLESS-3
wait_covered HEADLESS-1

sway_run output HEADLESS-2 disable
sway_run output HEADLESS-3 disable
for i in $(seq 50); do
  swaymsg -t get_outputs | tr -d ' \n' | grep -q '"name":"HEADLESS-3","[^}]*"active":false' && break
  sleep 0.1
done
kill -0 "$QUORVANE_PID" 2>/dev/null || fail "the saver ended when outputs went away"
wait_covered HEADLESS-1
sway_run output HEADLESS-2 enable
wait_covered HEADLESS-2

# At scale 2 the first output is 512x384 logical pixels: the Sun stays at the centre of its
# 1024x768 device pixels, every one of them painted, and the overlay's first line begins
# 100 device pixels from the corner.
sway_run output HEADLESS-1 scale 2
for i in $(seq 100); do
  shoot HEADLESS-1 "$E2E_TMP/scaled.png"
  white=$(convert "$E2E_TMP/scaled.png" -crop 300x32+100+100 -fill black +opaque white \
    -format '%[fx:round(mean*w*h)]' info:)
  # A label passing over the Sun may hide its centre for a frame.
  [ "$white" -gt 200 ] && [ "$(pixel "$E2E_TMP/scaled.png" 512 384)" = "$SUN" ] && break
  sleep 0.1
done
[ "$white" -gt 200 ] || fail "no overlay line at 100,100 at scale 2: $white white pixels"
expect_pixel "$E2E_TMP/scaled.png" 512 384 "$SUN"
above=$(convert "$E2E_TMP/scaled.png" -crop 1024x98+0+0 -fill black +opaque white \
  -format '%[fx:round(mean*w*h)]' info:)
[ "$above" = 0 ] || fail "white above the overlay at scale 2"
wait_covered HEADLESS-1

# The session ends: so does the saver, with one line saying why.
kill "$SWAY_PID"
expect_exit "the compositor's end" 5 1
[ "$(wc -l <"$E2E_TMP/quorvane.err")" = 1 ] ||
  fail "not one line when the compositor ended: $(cat "$E2E_TMP/quorvane.err")"
echo "wayland outputs: all checks passed"
