#!/usr/bin/env bash
# The preview under a window manager: attached, it sits in the pane's client area, not in a frame
# of its own; without a pane it stays borderless at the screen's top-left.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/preview_lib.sh"
e2e_start 640x480 --wm

pane "Managed pane" 200x150
# framed: whether twm has framed the pane, which puts it right of the frame's border and below its
# title bar; its place in x and y.
framed() {
  read -r x y < <(window_origin "$PANE")
  [ "$x" -gt 0 ] && [ "$y" -gt 0 ]
}
wait_until 5 framed || fail "twm did not frame the pane: it is at $x,$y"
run_quorvane /p "$PANE"
wait_for_preview "$E2E_TMP/managed.png" "$x" "$y"
expect_preview "$E2E_TMP/managed.png" "$x" "$y" >/dev/null
expect_end_with_pane "$PANE_PID" "$QUORVANE_PID"

run_quorvane /p
wait_for_preview "$E2E_TMP/top-level.png"
expect_preview "$E2E_TMP/top-level.png" 0 0 >/dev/null
[ ! -s "$E2E_TMP/quorvane.err" ] || fail "the preview wrote: $(cat "$E2E_TMP/quorvane.err")"

echo "preview under a window manager: all checks passed"
