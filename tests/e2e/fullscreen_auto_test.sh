#!/usr/bin/env bash
# Automatic focus change outwards ("CenterId" 10): Mercury is the focus first, Venus after 51
# ticks. The overlay's line 2 then shows exactly what a saver with Venus as fixed focus shows: in
# the saver's window, which is watched until it does, and in snapshots, which count the ticks.
source "$(dirname "$0")/fullscreen_lib.sh"
e2e_start 1024x768

# Line 2 ("focus:...") of the overlay, left of where any ring or planet of these scenes can reach.
focus_line() {
  screenshot "$E2E_TMP/line.png"
  convert "$E2E_TMP/line.png" -crop 150x16+50+70 +repage "$1"
}

start_saver CenterId=2 Language=2
wait_overlay
focus_line "$E2E_TMP/venus.png"
end_saver

# differs_from_venus FILE: prints how many pixels of the focus line differ from Venus's.
differs_from_venus() {
  compare -metric AE "$1" "$E2E_TMP/venus.png" null: 2>&1 || true
}

# venus_shown: whether the focus line now is Venus's.
venus_shown() {
  focus_line "$E2E_TMP/later.png"
  [ "$(differs_from_venus "$E2E_TMP/later.png")" = 0 ]
}

start_saver CenterId=10 Language=2
wait_overlay
focus_line "$E2E_TMP/first.png"
[ "$(differs_from_venus "$E2E_TMP/first.png")" != 0 ] || fail "Venus is the focus from the start"
wait_until 15 venus_shown ||
  fail "Venus did not become the focus: its line differs by $(differs_from_venus "$E2E_TMP/later.png") pixels"
end_saver

# The change comes with the 51st tick exactly: snapshots after the first two frames and 48 or 49
# more.
snapshot_line() {
  "$QUORVANE" --snapshot "$E2E_TMP/snapshot.png" --size 1024x768 --language en "$@" ||
    fail "--snapshot $* exited with $?"
  convert "$E2E_TMP/snapshot.png" -crop 150x16+50+70 +repage "$E2E_TMP/snapshot-line.png"
  compare -metric AE "$E2E_TMP/snapshot-line.png" "$E2E_TMP/snapshot-venus.png" null: 2>&1 || true
}
"$QUORVANE" --snapshot "$E2E_TMP/snapshot.png" --size 1024x768 --language en --focus 2
convert "$E2E_TMP/snapshot.png" -crop 150x16+50+70 +repage "$E2E_TMP/snapshot-venus.png"
[ "$(snapshot_line --focus 10 --ticks 48)" != 0 ] || fail "Venus is the focus after 50 ticks"
[ "$(snapshot_line --focus 10 --ticks 49)" = 0 ] || fail "Venus is not the focus after 51 ticks"
echo "fullscreen automatic focus: all checks passed"
