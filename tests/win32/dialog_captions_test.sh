#!/usr/bin/env bash
# The dialog's captions under Wine: after a live switch of language, each way, the labels show
# exactly what a dialog opened in that language shows; and at 96, 144 and 192 dots per inch no
# caption is clipped in either language (win32_tests.exe draws and measures each control).
source "$(dirname "$0")/wine_lib.sh" "$1"
shot=$QV_BUILD/dialog_captions_test.png

# The labels' column of the open dialog's client area into the file.
label_column() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$(xdotool search --onlyvisible --name '^Quorvane.' |
    head -1)")"
  screenshot "$1" && convert "$1" -crop "165x130+$((X + 3))+$((Y + 22))" +repage "$1"
}
same_picture() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]; }
# Takes the column into $column; true when it is as at the last call: the dialog has painted.
column_settled() {
  label_column "$column" || return 1
  same_picture "$column" "$QV_BUILD/labels-previous.png" && return 0
  cp "$column" "$QV_BUILD/labels-previous.png"
  return 1
}
open_dialog() {
  rm -f "$QV_BUILD/labels-previous.png"
  clear_store
  wine reg add "$QV_CONFIG_KEY" /v Language /d "$1" /f >/dev/null 2>&1
  start_scr /c
  wait_until 20 window_shown '^Quorvane.' || fail "no dialog"
}
column_is() { label_column "$shot" && same_picture "$shot" "$1"; }

for language in 1 2; do
  open_dialog "$language"
  column=$QV_BUILD/labels-$language.png
  wait_until 10 column_settled || fail "the dialog never settles"
  xdotool key Escape
  wait_exit "$QV_PID"
done
open_dialog 1
column=$shot
wait_until 10 column_settled || fail "the dialog never settles"
xdotool key alt+e
wait_until 10 column_is "$QV_BUILD/labels-2.png" ||
  fail "after a switch to English the labels differ from those of an English dialog"
xdotool key alt+j
wait_until 10 column_is "$QV_BUILD/labels-1.png" ||
  fail "after a switch back to Japanese the labels differ from those of a Japanese dialog"
xdotool key Escape
wait_exit "$QV_PID"

for dpi in 96 144 192; do
  set_dpi "$dpi"
  wine "$QV_BUILD/tests/win32/win32_tests.exe" --gtest_filter='FrmConfigTest.*' \
    </dev/null >"$QV_BUILD/dialog_captions_$dpi.log" 2>&1 ||
    fail "$dpi dpi: $(grep -a 'is clipped' "$QV_BUILD/dialog_captions_$dpi.log" | sort -u)"
done
echo "PASS: captions are whole after a switch of language and at 96, 144 and 192 dpi"
