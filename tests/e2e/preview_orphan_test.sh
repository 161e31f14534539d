#!/usr/bin/env bash
# A preview whose pane goes while it starts: the host exits 0 to 160 ms after "/p" is launched,
# before the preview finds the pane, while it attaches or just after. Each time the preview ends,
# successfully and silently, instead of staying behind as a top-level window. The times from the
# pane's end to the preview's are printed.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/preview_lib.sh"
e2e_start

for delay in 0 0.02 0.05 0.08 0.12 0.16; do
  times=()
  for trial in 1 2 3; do
    pane "Doomed pane" 200x150
    run_quorvane /p "$PANE"
    # The delay is the behaviour under test: the moment of the preview's start the pane goes at.
    [ "$delay" = 0 ] || sleep "$delay"
    gone=$(date +%s%N)
    kill "$PANE_PID"
    # A generous bound that only a preview left running reaches.
    wait_exit "$QUORVANE_PID" 5 >/dev/null
    times+=($((($(date +%s%N) - gone) / 1000000)))
    [ "$EXIT_STATUS" = 0 ] ||
      fail "pane gone after ${delay}s, trial $trial: the preview exited with $EXIT_STATUS"
    [ ! -s "$E2E_TMP/quorvane.err" ] ||
      fail "pane gone after ${delay}s, trial $trial: the preview wrote: $(cat "$E2E_TMP/quorvane.err")"
  done
  echo "pane gone ${delay}s after the start: the preview ended ${times[*]} ms later"
done

echo "preview orphan: all checks passed"
