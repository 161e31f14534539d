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
focus_line "$E2E_TMP/venus.png"
end_saver

start_saver CenterId=10 Language=2
started=$(date +%s.%N)
focus_line "$E2E_TMP/first.png"
[ "$(compare -metric AE "$E2E_TMP/first.png" "$E2E_TMP/venus.png" null: 2>&1 || true)" != 0 ] ||
  fail "Venus is the focus from the start"
sleep "$(awk -v e="$(seconds_since "$started")" 'BEGIN { print 6 - e }')"
focus_line "$E2E_TMP/later.png"
difference=$(compare -metric AE "$E2E_TMP/later.png" "$E2E_TMP/venus.png" null: 2>&1 || true)
[ "$difference" = 0 ] || fail "after about 5.1 s the focus line differs from Venus's by $difference pixels"
end_saver
echo "fullscreen automatic focus: all checks passed"
