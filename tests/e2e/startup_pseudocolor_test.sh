#!/usr/bin/env bash
# On an 8-bit PseudoColor display, which Qt cannot draw its windows on, the settings dialog and
# the preview end with status 1 and one line that says why, writing nothing; the full-screen run,
# which draws without Qt, still shows.
source "$(dirname "$0")/lib.sh"
e2e_start 640x480x8

for mode in /c "/p 0" ""; do
  status=0
  timeout 10 "$QUORVANE" $mode >/dev/null 2>"$E2E_TMP/err" || status=$?
  [ "$status" = 1 ] || fail "'$mode' exited with $status: $(head -3 "$E2E_TMP/err")"
  [ "$(wc -l <"$E2E_TMP/err")" = 1 ] && grep -q '8-bit PseudoColor' "$E2E_TMP/err" ||
    fail "'$mode' wrote: $(head -5 "$E2E_TMP/err")"
  [ ! -e "$XDG_CONFIG_HOME" ] || fail "'$mode' wrote $(find "$XDG_CONFIG_HOME")"
done

run_quorvane /s
wait_for_window "Quorvane (C) 2026 Quorvane Works" >/dev/null
kill -0 "$QUORVANE_PID" || fail "/s ended: $(cat "$E2E_TMP/quorvane.err")"
echo "startup on a PseudoColor display: all checks passed"
