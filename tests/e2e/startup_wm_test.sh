#!/usr/bin/env bash
# The single-instance check finds windows that a window manager has put into frames.
source "$(dirname "$0")/lib.sh"
e2e_start 1024x768 --wm

# framed ID: whether twm has put the window into its frame, below the frame's title bar.
framed() {
  local x y
  read -r x y < <(window_origin "$1")
  [ "$y" -gt 0 ]
}

for title in "Quorvane (C) 2026 Quorvane Works" "Quorvaneの設定"; do
  start_window "$title" >"$E2E_TMP/id"
  id=$(cat "$E2E_TMP/id")
  wait_until 5 framed "$id" || fail "twm did not put '$title' into a frame"
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
  wait_until 5 no_window "$title" || fail "the window '$title' outlived its program"
done
echo "startup with a window manager: all checks passed"
