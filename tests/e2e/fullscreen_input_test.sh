#!/usr/bin/env bash
# Each way of ending the saver, without a window manager: a key, a mouse button, a mouse move of
# 15 pixels between two ticks. Each ends the process with status 0 within 0.5 s, also with huge
# stored magnifications. Keys reach the saver even when another window held the keyboard focus
# before it started.
source "$(dirname "$0")/fullscreen_lib.sh"
e2e_start 1024x768

# check_ending WHAT ZOOM COMMAND...: starts the saver, runs the command, expects the ending.
check_ending() {
  local what=$1 zoom=$2
  shift 2
  start_saver CenterId=3 Orbit=-1 "Zoom=$zoom"
  "$@"
  expect_exit_zero "$what" 0.5
}

check_ending "a key" 5 xdotool key a
check_ending "the Escape key" 5 xdotool key Escape
check_ending "the left button" 5 xdotool click 1
check_ending "the right button" 5 xdotool click 3
check_ending "a move of 15 pixels" 5 xdotool mousemove_relative -- 15 0
# Huge stored magnifications still leave the saver quick to answer.
check_ending "a key at Zoom 1000" 1000 xdotool key c
check_ending "a key at Zoom 1e30" 1e30 xdotool key d

start_window "Other program" --size 200x100 >"$E2E_TMP/other"
other=$(cat "$E2E_TMP/other")
xdotool windowfocus --sync "$other"
check_ending "a key after another window had the focus" 5 xdotool key b
echo "fullscreen input: all checks passed"
