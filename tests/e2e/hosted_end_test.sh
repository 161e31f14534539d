#!/usr/bin/env bash
# A hosted saver ended by a signal leaves the window as it found it: run by hand with --root,
# SIGTERM or Ctrl+C (SIGINT) gives the root window its background back; in another program's
# window SIGINT and SIGHUP leave that window's own background. Each ends at once with status 0.
source "$(dirname "$0")/lib.sh"
unset XSCREENSAVER_WINDOW
e2e_start 1024x768

# end_by SIGNAL: sends it to the saver, which must end within a second with status 0.
end_by() {
  kill "-$1" "$QUORVANE_PID"
  wait_exit "$QUORVANE_PID" 1 >/dev/null
  [ "$EXIT_STATUS" = 0 ] || fail "SIG$1 ended it with status $EXIT_STATUS"
  [ ! -s "$E2E_TMP/quorvane.err" ] || fail "it wrote: $(cat "$E2E_TMP/quorvane.err")"
}

screenshot "$E2E_TMP/desktop.png"
for signal in TERM INT; do
  run_quorvane --root --orbits
  wait_sun "$E2E_TMP/root-$signal.png" 512 384
  end_by "$signal"
  screenshot "$E2E_TMP/after-$signal.png"
  difference=$(compare -metric AE "$E2E_TMP/desktop.png" "$E2E_TMP/after-$signal.png" null: 2>&1 || true)
  [ "$difference" = 0 ] || fail "after SIG$signal, $difference pixels of the root window differ"
done

start_window "Saver host" --size 640x480 >"$E2E_TMP/host"
for signal in INT HUP; do
  run_quorvane --window-id "$(cat "$E2E_TMP/host")"
  wait_sun "$E2E_TMP/window-$signal.png" 320 240
  end_by "$signal"
  screenshot "$E2E_TMP/host-$signal.png"
  for point in "320 240" "0 0" "639 479"; do
    expect_pixel "$E2E_TMP/host-$signal.png" $point "255 255 255"
  done
done

echo "hosted end: all checks passed"
