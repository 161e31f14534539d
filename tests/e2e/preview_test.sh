#!/usr/bin/env bash
# The preview in a host's pane: it fills the pane's top-left 155 x 115 pixels whatever the pane's
# size, its planet moves, it prints nothing, and it ends within half a second of its pane.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/preview_lib.sh"
e2e_start

pane "Host pane" 200x150
run_quorvane /p "$PANE"
wait_for_preview "$E2E_TMP/first.png"
first=$(expect_preview "$E2E_TMP/first.png" 0 0)
# The rest of the pane is the host's own white.
for point in "155 0" "199 114" "0 115" "154 149"; do
  expect_pixel "$E2E_TMP/first.png" $point "255 255 255"
done

# A few ticks move the planet by 12 degrees each on its 45-pixel ring.
moved=0
for attempt in $(seq 50); do
  screenshot "$E2E_TMP/second.png"
  second=$(expect_preview "$E2E_TMP/second.png" 0 0)
  if awk -v a="$first" -v b="$second" 'BEGIN {
    split(a, p, " "); split(b, q, " "); exit !(sqrt((p[1]-q[1])^2 + (p[2]-q[2])^2) >= 20) }'; then
    moved=1
    break
  fi
  sleep 0.1
done
[ "$moved" = 1 ] || fail "the planet did not move: $first, then $second"

# The pane goes: the preview follows within half a second, successfully.
expect_end_with_pane "$PANE_PID" "$QUORVANE_PID"
[ ! -s "$E2E_TMP/quorvane.err" ] || fail "the preview wrote: $(cat "$E2E_TMP/quorvane.err")"

# A pane larger than the preview does not stretch it.
pane "Large host pane" 400x300
run_quorvane "/P $PANE"
wait_for_preview "$E2E_TMP/large.png"
expect_preview "$E2E_TMP/large.png" 0 0 >/dev/null
expect_pixel "$E2E_TMP/large.png" 160 10 "255 255 255"
expect_end_with_pane "$PANE_PID" "$QUORVANE_PID"

echo "preview: all checks passed"
