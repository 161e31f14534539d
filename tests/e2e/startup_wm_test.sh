#!/usr/bin/env bash
# The single-instance check finds windows that a window manager has put into frames.
source "$(dirname "$0")/lib.sh"
e2e_start 1024x768 --wm

for title in "Quorvane (C) 2026 Quorvane Works" "Quorvaneの設定"; do
  start_window "$title" >"$E2E_TMP/id"
  id=$(cat "$E2E_TMP/id")
  sleep 0.5
  y=$(xwininfo -id "$id" | awk '/Absolute upper-left Y/ { print $NF }')
  [ "$y" -gt 0 ] || fail "twm did not put '$title' into a frame"
  mkdir -p "$(dirname "$INI")"
  printf '[Config]\nZoom=7\n' >"$INI"
  cp "$INI" "$E2E_TMP/before.ini"
  for mode in /s /c "/p 0" /a; do
    status=0
    timeout 5 "$QUORVANE" $mode || status=$?
    [ "$status" = 0 ] || fail "mode '$mode' beside '$title' exited with $status"
    cmp -s "$INI" "$E2E_TMP/before.ini" || fail "mode '$mode' beside '$title' wrote the store"
  done
  kill "$LAST_WINDOW_PID"
  sleep 0.3
done
echo "startup with a window manager: all checks passed"
