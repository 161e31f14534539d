#!/usr/bin/env bash
# Previews side by side, each in its own pane and each ending with its own pane; and no preview
# beside an open settings dialog.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/preview_lib.sh"
e2e_start

pane "Left pane" 200x150
left=$PANE left_pid=$PANE_PID
pane "Right pane" 200x150
right=$PANE right_pid=$PANE_PID
xdotool windowmove "$right" 300 200
run_quorvane /p "$left"
left_preview=$QUORVANE_PID
run_quorvane /p "$right"
right_preview=$QUORVANE_PID

wait_for_preview "$E2E_TMP/pair.png" 300 200
wait_for_preview "$E2E_TMP/pair.png" 0 0
expect_preview "$E2E_TMP/pair.png" 0 0 >/dev/null
planet=$(expect_preview "$E2E_TMP/pair.png" 300 200)

# The right preview runs on after the left one's end: its planet moves on.
expect_end_with_pane "$left_pid" "$left_preview"
moved_on() {
  local now
  screenshot "$E2E_TMP/right-only.png"
  now=$(expect_preview "$E2E_TMP/right-only.png" 300 200) || exit 1
  [ "$now" != "$planet" ]
}
wait_until 5 moved_on || fail "the right preview stopped with the left pane"
kill -0 "$right_preview" 2>/dev/null || fail "the right preview ended with the left pane"
expect_end_with_pane "$right_pid" "$right_preview"

# An open settings dialog keeps the preview from starting: the pane stays the host's own.
start_window "Quorvaneの設定" --size 100x50 >/dev/null
pane "Blocked pane" 200x150
xdotool windowmove "$PANE" 300 200
run_quorvane /p "$PANE"
wait_exit "$QUORVANE_PID" 2 >"$E2E_TMP/status"
status=$(cat "$E2E_TMP/status")
[ "$status" = 0 ] || fail "the blocked preview exited with $status"
screenshot "$E2E_TMP/blocked.png"
expect_pixel "$E2E_TMP/blocked.png" 377 257 "255 255 255"

echo "preview pair: all checks passed"
