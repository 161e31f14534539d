#!/usr/bin/env bash
# Two window starts at the same instant, before either has a window the other could find:
# exactly one runs, the other ends at once, silently and with status 0, whether or not each has
# XDG_RUNTIME_DIR. Repeated, since the race is won by chance. A run on one X display does not
# keep starts on another display out.
source "$(dirname "$0")/lib.sh"
e2e_start

title_of() {
  [ "$1" = /c ] && echo "Quorvaneの設定" || echo "Quorvane (C) 2026 Quorvane Works"
}

# race FIRST SECOND [ENV...]: the ENV arguments (for env) apply to the second start only.
race() {
  "$QUORVANE" $1 2>"$E2E_TMP/a.err" &
  local a=$!
  env "${@:3}" "$QUORVANE" $2 2>"$E2E_TMP/b.err" &
  local b=$!
  E2E_PIDS+=($a $b)
  local loser="" winner winner_mode err i
  for i in $(seq 100); do
    kill -0 "$a" 2>/dev/null || { loser=$a winner=$b winner_mode=$2 err=a.err; break; }
    kill -0 "$b" 2>/dev/null || { loser=$b winner=$a winner_mode=$1 err=b.err; break; }
    sleep 0.05
  done
  [ -n "$loser" ] || fail "'$1' and '$2' started together both still run after 5 s"
  wait_exit "$loser" 1 >/dev/null
  [ "$EXIT_STATUS" = 0 ] && [ ! -s "$E2E_TMP/$err" ] ||
    fail "'$1' / '$2': the start that gave way ended with $EXIT_STATUS: $(cat "$E2E_TMP/$err")"
  wait_for_window "$(title_of "$winner_mode")" >/dev/null
  kill -0 "$winner" 2>/dev/null || fail "'$1' / '$2': the winner did not stay"
  kill "$winner"
  wait "$winner" 2>/dev/null || true
}

for pair in "/s /s" "/s /s" "/s /s" "/s /s" "/s /c" "/c /s" "/c /c"; do
  race $pair
done
for pair in "/s /s" "/s /s" "/s /s" "/s /c" "/c /s"; do
  race $pair -u XDG_RUNTIME_DIR
  race $pair XDG_RUNTIME_DIR="$E2E_TMP"
done

# A second X server: a full-screen run on the first keeps neither mode out of the second.
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 640x480x24 -nolisten tcp -noreset >"$E2E_TMP/xvfb2.log" 2>&1 &
E2E_PIDS+=($!)
read -r -t 15 -u "$fd" second || fail "the second Xvfb did not start"
"$QUORVANE" /s &
E2E_PIDS+=($!)
wait_for_window "Quorvane (C) 2026 Quorvane Works" >/dev/null
for mode in /s /c; do
  DISPLAY=":$second" "$QUORVANE" $mode 2>"$E2E_TMP/other.err" &
  other=$!
  E2E_PIDS+=($other)
  DISPLAY=":$second" wait_for_window "$(title_of "$mode")" >/dev/null
  kill -0 "$other" 2>/dev/null || fail "'$mode' on a second display ended: $(cat "$E2E_TMP/other.err")"
  kill "$other"
  wait "$other" 2>/dev/null || true
done
echo "startup race: all checks passed"
