#!/usr/bin/env bash
# The settings dialog of the real binary, driven by keys: what Return, Alt+M and Escape store,
# the language of a first start on a Japanese system, an unwritable store, and that other starts
# give way while the dialog is open. No window manager: the dialog has to take the keyboard focus itself.
source "$(dirname "$0")/lib.sh"
e2e_start

# wait_dialog: waits until the dialog is mapped.
wait_dialog() {
  local i
  for i in $(seq 100); do
    xdotool search --onlyvisible --name '^Quorvane' >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  local state=ended
  kill -0 "$QUORVANE_PID" 2>/dev/null && state=running
  fail "the dialog did not show (program $state: $(cat "$E2E_TMP/quorvane.err"))"
}

# config: the [Config] section of the store, one key=value a line.
config() {
  [ -f "$INI" ] || return 0
  awk '/^\[/ { section = $0; next } section == "[Config]" && NF' "$INI"
}

# message_shown TITLE: whether a message box with that title is on the screen.
message_shown() {
  xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1
}

# stored LINE: whether [Config] holds that key=value line.
stored() {
  local lines
  lines=$(config)
  grep -qx "$1" <<<"$lines"
}

# painted FILE: takes screenshots into FILE until the dialog's area shows the same in two of them
# in a row, not the empty screen's black.
painted() {
  local area=362x200+331+284 i
  screenshot "$1"
  for i in $(seq 50); do
    cp "$1" "$E2E_TMP/previous.png"
    sleep 0.1
    screenshot "$1"
    [ "$(pixel "$1" 512 300)" != "0 0 0" ] &&
      [ "$(compare -metric AE -extract "$area" "$1" "$E2E_TMP/previous.png" null: 2>&1 || true)" = 0 ] &&
      return 0
  done
  fail "the dialog's picture did not settle"
}

# open_dialog [ARGS]: starts the dialog and waits until it has the keyboard focus, once the last
# one's windows are gone (the start would give way to them).
open_dialog() {
  wait_until 5 no_dialog_windows || fail "the last dialog's windows stayed"
  run_quorvane "${@:-/c}"
  wait_dialog
  wait_dialog_focus
}

no_dialog_windows() {
  ! xdotool search --name '^Quorvane' >/dev/null 2>&1
}

# An empty store, then Return: the defaults are stored and the program ends. The dialog is
# centred on the 1024x768 screen.
open_dialog
geometry=$(xdotool search --onlyvisible --name '^Quorvane' getwindowgeometry --shell | tr '\n' ' ')
[[ "$geometry" == *"X=331 Y=284 WIDTH=362 HEIGHT=200"* ]] || fail "dialog geometry: $geometry"
for mode in /s "/p 0"; do
  status=0
  timeout 5 "$QUORVANE" $mode || status=$?
  [ "$status" = 0 ] || fail "'$mode' beside the dialog exited with $status"
done
kill -0 "$QUORVANE_PID" || fail "the dialog ended when another start gave way"
[ -z "$(config)" ] || fail "something wrote [Config] before OK: $(config)"
xdotool key Return
wait_exit "$QUORVANE_PID" 5 >/dev/null
[ "$EXIT_STATUS" = 0 ] || fail "Return did not end the dialog cleanly"
expected=$'CenterId=4\nLanguage=2\nOrbit=False\nZoom=5.0'
[ "$(config | sort)" = "$expected" ] || fail "Return stored: $(config)"

# Alt+M, a typed value and Return store the value as typed.
open_dialog
xdotool key alt+m
xdotool type --delay 50 '7.5'
xdotool key Return
wait_exit "$QUORVANE_PID" 5 >/dev/null
[ "$EXIT_STATUS" = 0 ] || fail "Return after Alt+M did not end the dialog"
config | grep -qx 'Zoom=7.5' || fail "Alt+M and 7.5 stored: $(config)"

# A bad value and Return: the warning shows, the dialog stays and takes the keys again; Apply
# (Alt+S) stores a good value; Escape then ends the program without the check and without
# writing what was typed since.
open_dialog ""
xdotool key alt+m
xdotool type --delay 50 'abc'
xdotool key Return
wait_until 5 message_shown Error || fail "no warning for 'abc'"
xdotool key Return
wait_until 5 eval '! message_shown Error' || fail "Return left the warning open"
kill -0 "$QUORVANE_PID" || fail "the dialog ended on a bad value"
wait_dialog_focus
stored 'Zoom=7.5' || fail "a rejected value was stored: $(config)"
xdotool key ctrl+a
xdotool type --delay 50 '8'
xdotool key alt+s
wait_until 5 stored 'Zoom=8' || fail "Apply stored: $(config)"
xdotool key ctrl+a
xdotool type --delay 50 'x'
xdotool key Escape
wait_exit "$QUORVANE_PID" 5 >/dev/null
[ "$EXIT_STATUS" = 0 ] || fail "Escape did not end the dialog"
config | grep -qx 'Zoom=8' || fail "Escape stored: $(config)"

# A first start on a Japanese system shows Japanese and stores Language=1.
rm -f "$INI"
open_dialog
painted "$E2E_TMP/english.png"
xdotool key Escape
wait_exit "$QUORVANE_PID" 5 >/dev/null
LANG=ja_JP.UTF-8 open_dialog
painted "$E2E_TMP/japanese.png"
difference=$(compare -metric AE "$E2E_TMP/english.png" "$E2E_TMP/japanese.png" null: 2>&1 || true)
[ "${difference%% *}" -gt 500 ] || fail "the Japanese dialog looks like the English one ($difference)"
xdotool key Return
wait_exit "$QUORVANE_PID" 5 >/dev/null
[ "$EXIT_STATUS" = 0 ] || fail "Return did not end the Japanese dialog"
config | grep -qx 'Language=1' || fail "the Japanese start stored: $(config)"

# A store that cannot be written: OK says so and the dialog stays open.
rm -rf "$(dirname "$INI")"
touch "$(dirname "$INI")"  # a file where the store's folder belongs
open_dialog
xdotool key Return
wait_until 5 message_shown 'Save error' || fail "no message for an unwritable store"
xdotool key Return
wait_until 5 eval "! message_shown 'Save error'" || fail "Return left the message open"
kill -0 "$QUORVANE_PID" || fail "OK ended the program although nothing was saved"
wait_dialog_focus
xdotool key Escape
wait_exit "$QUORVANE_PID" 5 >/dev/null
[ "$EXIT_STATUS" = 0 ] || fail "Escape did not end the dialog"

echo "dialog: all checks passed"
