#!/usr/bin/env bash
# Under a window manager the saver still covers the screen, has no frame, stays out of taskbars
# (a utility window, which taskbars leave out) and takes the keys.
source "$(dirname "$0")/fullscreen_lib.sh"
e2e_start 1024x768 --wm

start_saver CenterId=3
id=$(wait_for_window "$SAVER_TITLE")
geometry=$(xdotool getwindowgeometry "$id")
grep -q "Position: 0,0" <<<"$geometry" || fail "the window is not at the origin: $geometry"
grep -q "Geometry: 1024x768" <<<"$geometry" || fail "the window does not cover the screen: $geometry"
properties=$(xprop -id "$id")
grep -q "_NET_WM_WINDOW_TYPE(ATOM) = _NET_WM_WINDOW_TYPE_UTILITY" <<<"$properties" ||
  fail "not a utility window: $(grep _NET_WM_WINDOW_TYPE <<<"$properties")"
[ "$(xdotool getwindowfocus)" = "$id" ] || fail "the saver does not have the keyboard focus"
xdotool key q
expect_exit_zero "a key" 0.5
echo "fullscreen with a window manager: all checks passed"
