#!/usr/bin/env bash
# Two window starts at the same instant, before either has a window the other could find:
# exactly one runs, the other ends at once, silently and with status 0. Repeated, since the race
# is won by chance.
source "$(dirname "$0")/lib.sh"
e2e_start

title_of() {
  [ "$1" = /c ] && echo "Quorvaneの設定" || echo "Quorvane (C) 2026 Quorvane Works"
}

# race FIRST SECOND
race() {
  "$QUORVANE" $1 2>"$E2E_TMP/a.err" &
  local a=$!
  "$QUORVANE" $2 2>"$E2E_TMP/b.err" &
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
echo "startup race: all checks passed"
