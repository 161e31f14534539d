#!/usr/bin/env bash
# `quorvane /s` with settings on the command line runs with them, as --window-id does: the
# overlay (magnification, focus planet, time scale, in the chosen language) of both is the same,
# and differs from the one of the saved settings.
source "$(dirname "$0")/fullscreen_lib.sh"
e2e_start 1024x768

settings=(--focus 9 --zoom 12 --language ja)

# overlay SCREENSHOT OUT: the top-left corner that holds the overlay, clear of every orbit.
overlay() {
  convert "$1" -crop 350x120+0+0 +repage "$2"
}

# same_overlay A B: whether two overlays are identical, pixel for pixel.
same_overlay() {
  [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" = 0 ]
}

start_saver CenterId=4 Orbit=0 Zoom=5 Language=2
wait_overlay
screenshot "$E2E_TMP/saved.png"
overlay "$E2E_TMP/saved.png" "$E2E_TMP/saved-overlay.png"
end_saver

# The reference: the same settings drawn into a window of the screen's size.
start_window "Host" --size 1024x768 >"$E2E_TMP/host"
run_quorvane --window-id "$(cat "$E2E_TMP/host")" "${settings[@]}"
wait_sun "$E2E_TMP/hosted.png" 512 384
overlay "$E2E_TMP/hosted.png" "$E2E_TMP/hosted-overlay.png"
kill -TERM "$QUORVANE_PID"
wait_exit "$QUORVANE_PID" 2 >/dev/null
kill "$LAST_WINDOW_PID"
! same_overlay "$E2E_TMP/saved-overlay.png" "$E2E_TMP/hosted-overlay.png" ||
  fail "the saved settings and the command line's show the same overlay"

run_quorvane /s "${settings[@]}"
wait_for_window "$SAVER_TITLE" >/dev/null
for i in $(seq 50); do
  screenshot "$E2E_TMP/options.png"
  overlay "$E2E_TMP/options.png" "$E2E_TMP/options-overlay.png"
  same_overlay "$E2E_TMP/options-overlay.png" "$E2E_TMP/hosted-overlay.png" && break
  sleep 0.1
done
same_overlay "$E2E_TMP/options-overlay.png" "$E2E_TMP/hosted-overlay.png" ||
  fail "/s ${settings[*]} does not show its settings (see $E2E_TMP/options.png)"
end_saver
grep -qx 'Zoom=5' "$INI" || fail "the command line's settings were saved: $(cat "$INI")"

echo "full screen with settings: all checks passed"
