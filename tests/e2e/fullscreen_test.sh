#!/usr/bin/env bash
# `quorvane /s` under Xvfb: the picture (Sun, planets on their rings, overlay), a slow mouse drift
# that must not end it, and second starts in every mode that leave at once while it runs.
source "$(dirname "$0")/fullscreen_lib.sh"
e2e_start 1024x768

start_saver CenterId=4 Orbit=-1 Zoom=5 Language=2
id=$(wait_for_window "$SAVER_TITLE")
geometry=$(xdotool getwindowgeometry "$id")
grep -q "Position: 0,0" <<<"$geometry" || fail "the window is not at the origin: $geometry"
grep -q "Geometry: 1024x768" <<<"$geometry" || fail "the window does not cover the screen: $geometry"

# A planet may be hidden for a frame by another planet's label: frames are looked at until each
# finding has shown in one of them.
expected=(sun "line 50" "line 70" "line 90" "planet Mercury" "planet Venus" "planet Earth" \
  "planet Mars" "ring Mercury" "ring Venus" "ring Earth" "ring Mars")
found=""
shots=0
all_found() {
  shots=$((shots + 1))
  screenshot "$E2E_TMP/shot$shots.png"
  found+=$(picture_report "$E2E_TMP/shot$shots.png")$'\n'
  local finding
  for finding in "${expected[@]}"; do
    grep -qx "$finding" <<<"$found" || return 1
  done
}
if ! wait_until 10 all_found; then
  for finding in "${expected[@]}"; do
    grep -qx "$finding" <<<"$found" || fail "the picture lacks: $finding"
  done
fi
! grep -qx "white-above" <<<"$found" || fail "white pixels above the overlay"

# A drift of 3 pixels per tick for 5 s keeps it running. The moves are spaced a tick apart: the
# pace of the drift is what is under test.
for step in $(seq 50); do
  xdotool mousemove_relative -- 3 0
  sleep 0.1
done
kill -0 "$QUORVANE_PID" 2>/dev/null || fail "a slow drift ended the saver"

# Second starts find the window and leave at once; the first saver runs on.
for mode in /s /c "/p 0"; do
  started=$(date +%s.%N)
  status=0
  timeout 5 "$QUORVANE" $mode || status=$?
  [ "$status" = 0 ] || fail "a second '$mode' exited with $status"
  elapsed=$(seconds_since "$started")
  awk -v e="$elapsed" 'BEGIN { exit !(e < 1.5) }' || fail "a second '$mode' took ${elapsed}s"
done
kill -0 "$QUORVANE_PID" 2>/dev/null || fail "the first saver ended"
end_saver
echo "fullscreen: all checks passed"
