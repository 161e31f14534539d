#!/usr/bin/env bash
# Under a Wayland compositor without XWayland: the settings dialog opens on Qt's Wayland platform
# and saves through its access keys; the preview and the hosted modes, which need X11 windows,
# give one line and status 2.
source "$(dirname "$0")/sway_lib.sh"
sway_start

# config: the [Config] section of the store, one key=value a line.
config() {
  [ -f "$INI" ] || return 0
  awk '/^\[/ { section = $0; next } section == "[Config]" && NF' "$INI"
}

# open_dialog: starts the dialog and waits until the compositor lists it.
open_dialog() {
  run_quorvane /c
  local i
  for i in $(seq 100); do
    swaymsg -t get_tree | grep -q '"name": "Quorvaneの設定"' && return 0
    kill -0 "$QUORVANE_PID" 2>/dev/null || fail "the dialog ended: $(cat "$E2E_TMP/quorvane.err")"
    sleep 0.1
  done
  fail "the dialog did not show"
}

# wait_config LINE: polls the store until its [Config] holds the line.
wait_config() {
  local i
  for i in $(seq 50); do
    config | grep -qx "$1" && return 0
    sleep 0.1
  done
  fail "the store lacks $1: $(config)"
}

# Alt+M, a value and Return store it and end the program.
open_dialog
# The magnification field shows the default once the dialog has the keyboard.
wait_output_colour HEADLESS-1 512 384 "239 239 239"
wtype -M alt m -m alt
wtype 7.5
wtype -k Return
wait_exit "$QUORVANE_PID" 5 >/dev/null
[ "$EXIT_STATUS" = 0 ] || fail "Return did not end the dialog: $(cat "$E2E_TMP/quorvane.err")"
config | grep -qx 'Zoom=7.5' || fail "Alt+M and 7.5 stored: $(config)"

# Alt+Y chooses the orbits, Alt+S (Submit) saves and stays, Escape ends without saving more.
open_dialog
wtype -M alt y -m alt
wtype -M alt s -m alt
wait_config 'Orbit=True'
kill -0 "$QUORVANE_PID" || fail "Submit ended the dialog"
wtype -k Escape
wait_exit "$QUORVANE_PID" 5 >/dev/null
[ "$EXIT_STATUS" = 0 ] || fail "Escape did not end the dialog"
[ -z "$(cat "$E2E_TMP/quorvane.err")" ] || fail "the dialog wrote: $(cat "$E2E_TMP/quorvane.err")"

# The X11 window contracts, without an X display.
for arguments in "/p 123" "--root" "--window-id 0x123"; do
  status=0
  # shellcheck disable=SC2086
  "$QUORVANE" $arguments >"$E2E_TMP/out" 2>"$E2E_TMP/err" || status=$?
  [ "$status" = 2 ] || fail "'$arguments' exited with $status"
  [ "$(wc -l <"$E2E_TMP/err")" = 1 ] || fail "'$arguments' wrote: $(cat "$E2E_TMP/err")"
  grep -q "X11" "$E2E_TMP/err" || fail "'$arguments' did not say why: $(cat "$E2E_TMP/err")"
done
echo "wayland dialog: all checks passed"
