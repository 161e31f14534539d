# A preview without a usable parent: "/p" alone, "/p1234" without a blank (both read as parent 0)
# and a number that names no window each leave the preview a top-level window at the screen's
# top-left, without a crash and without a word on standard error.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/preview_lib.sh"
e2e_start

shot=0
for args in "/p" "/p1234" "/p 1234" "/p 4194303"; do
  run_quorvane $args
  sleep 1.5
  kill -0 "$QUORVANE_PID" 2>/dev/null || fail "'$args' ended by itself"
  shot=$((shot + 1))
  screenshot "$E2E_TMP/top-level-$shot.png"
  expect_preview "$E2E_TMP/top-level-$shot.png" 0 0 >/dev/null || fail "'$args': no preview at 0,0"
  [ "$(pixel "$E2E_TMP/top-level-$shot.png" 160 10)" != "$NAVY" ] || fail "'$args': wider than 155"
  [ ! -s "$E2E_TMP/quorvane.err" ] || fail "'$args' wrote: $(cat "$E2E_TMP/quorvane.err")"
  kill "$QUORVANE_PID"
  wait "$QUORVANE_PID" 2>/dev/null || true
done

echo "preview unattached: all checks passed"
