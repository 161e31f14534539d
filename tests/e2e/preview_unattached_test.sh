#!/usr/bin/env bash
# A preview without a parent to live in. "/p" alone, "/p 0" and an input-only window leave the
# preview a top-level window at the screen's top-left. A positive number that names no window,
# after a blank or a colon, may be a pane the host has just destroyed, and a negative handle or
# one that is no number names no window: the preview ends at once. Neither crashes nor says a word
# on standard error.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/preview_lib.sh"
e2e_start

start_window "Input only" --input-only >"$E2E_TMP/input-only"
shot=0
for args in "/p" "/p 0" "/p $(cat "$E2E_TMP/input-only")"; do
  run_quorvane $args
  shot=$((shot + 1))
  wait_for_preview "$E2E_TMP/top-level-$shot.png"
  kill -0 "$QUORVANE_PID" 2>/dev/null || fail "'$args' ended by itself"
  expect_preview "$E2E_TMP/top-level-$shot.png" 0 0 >/dev/null || fail "'$args': no preview at 0,0"
  [ "$(pixel "$E2E_TMP/top-level-$shot.png" 160 10)" != "$NAVY" ] || fail "'$args': wider than 155"
  [ ! -s "$E2E_TMP/quorvane.err" ] || fail "'$args' wrote: $(cat "$E2E_TMP/quorvane.err")"
  kill "$QUORVANE_PID"
  wait "$QUORVANE_PID" 2>/dev/null || true
done

for args in "/p 1234" "/p 4194303" "/p:123" "/p -5" "/p:-5" "/p1234" "/p abc"; do
  run_quorvane $args
  wait_exit "$QUORVANE_PID" 5 >/dev/null
  [ "$EXIT_STATUS" = 0 ] || fail "'$args' exited with $EXIT_STATUS"
  [ ! -s "$E2E_TMP/quorvane.err" ] || fail "'$args' wrote: $(cat "$E2E_TMP/quorvane.err")"
done

echo "preview unattached: all checks passed"
