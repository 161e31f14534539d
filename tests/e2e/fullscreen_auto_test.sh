#!/usr/bin/env bash
# Automatic focus change outwards ("CenterId" 10): Mercury is the focus first, Venus after 51
# ticks. The overlay's line 2 then shows exactly what a saver with Venus as fixed focus shows.
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
echo "fullscreen automatic focus: all checks passed"
