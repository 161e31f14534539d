# Each way of ending the saver, without a window manager: a key, a mouse button, a mouse move of
# 15 pixels between two ticks. Each ends the process with status 0 within 0.5 s. Keys reach the
# saver even when another window held the keyboard focus before it started.
source "$(dirname "$0")/fullscreen_lib.sh"
e2e_start 1024x768

check_ending() {
  local what=$1
  shift
  start_saver CenterId=3 Orbit=-1
  "$@"
  expect_exit_zero "$what" 0.5
}

check_ending "a key" xdotool key a
check_ending "the Escape key" xdotool key Escape
check_ending "the left button" xdotool click 1
check_ending "the right button" xdotool click 3
check_ending "a move of 15 pixels" xdotool mousemove_relative -- 15 0

other=$(start_window "Other program" --size 200x100)
xdotool windowfocus --sync "$other"
check_ending "a key after another window had the focus" xdotool key b
echo "fullscreen input: all checks passed"
