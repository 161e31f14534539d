#!/usr/bin/env bash
# Without a display to open, a start that would show a window ends with status 1 and one line on
# standard error, and writes nothing; a start that shows nothing needs no display.
source "$(dirname "$0")/lib.sh"

check_refused() {
  local mode
  for mode in /s /c "/p 0" ""; do
    local status=0
    timeout 10 "$@" "$QUORVANE" $mode >/dev/null 2>"$E2E_TMP/err" || status=$?
    [ "$status" = 1 ] || fail "'$mode' ($*) exited with $status: $(cat "$E2E_TMP/err")"
    [ "$(wc -l <"$E2E_TMP/err")" = 1 ] && grep -q '^quorvane: cannot open display' "$E2E_TMP/err" ||
      fail "'$mode' ($*) wrote: $(cat "$E2E_TMP/err")"
    [ ! -e "$XDG_CONFIG_HOME" ] || fail "'$mode' ($*) wrote $(find "$XDG_CONFIG_HOME")"
  done
}
check_refused env -u DISPLAY
# A display that names no server.
check_refused env DISPLAY=:987
# A server that refuses us for want of authorization: Xlib would say so on every attempt.
xauth -q -f "$E2E_TMP/server.auth" add :0 . "$(mcookie)" 2>/dev/null
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -auth "$E2E_TMP/server.auth" -nolisten tcp >"$E2E_TMP/xvfb.log" 2>&1 &
E2E_PIDS+=($!)
read -r -t 15 -u "$fd" locked || fail "Xvfb with authorization did not start"
check_refused env DISPLAY=":$locked" XAUTHORITY="$E2E_TMP/none"
grep -q 'Authorization required' "$E2E_TMP/err" || fail "the reason was not given: $(cat "$E2E_TMP/err")"

env -u DISPLAY "$QUORVANE" /a || fail "/a needs no display"
grep -qx 'CurrentVersion=1.01.0000' "$INI" || fail "/a wrote no version record"
echo "startup without a display: all checks passed"
