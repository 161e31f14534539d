#!/usr/bin/env bash
# /c under Wine: Return saves the defaults to the registry and ends, in the language of the
# system's country; a magnification out of range shows the message and writes nothing.
source "$(dirname "$0")/wine_lib.sh" "$1"
export LANG=en_US.UTF-8

clear_store
start_scr /c
wait_until 20 window_shown '^Quorvane.' || fail "no dialog"
xdotool key Return
wait_exit "$QV_PID"
[ "$EXIT_STATUS" -eq 0 ] || fail "OK ended with $EXIT_STATUS"
# A query can come back empty while Wine's services are busy: asked again until it answers.
config_is() { [ "$(config_value "$1")" = "$2" ]; }
for expected in CenterId=4 Language=2 Zoom=5.0 Orbit=False; do
  wait_until 10 config_is "${expected%%=*}" "${expected#*=}" ||
    fail "${expected%%=*} is '$(config_value "${expected%%=*}")', not ${expected#*=}"
done

# A first start on a Japanese system opens in Japanese, which OK then stores.
clear_store
japanese start_scr /c
wait_until 20 window_shown '^Quorvane.' || fail "no dialog on a Japanese system"
xdotool key Return
wait_exit "$QV_PID"
wait_until 10 config_is Language 1 ||
  fail "a first start on a Japanese system stored Language '$(config_value Language)'"

clear_store
wine reg add "$QV_CONFIG_KEY" /v Zoom /d 100 /f >/dev/null
start_scr /c
wait_until 20 window_shown '^Quorvane.' || fail "no dialog"
xdotool key Return
wait_until 20 window_shown '^Error$' || fail "no message for 100.0"
xdotool key Return
wait_until 10 eval '! window_shown "^Error\$"' || fail "the message stays"
kill -0 "$QV_PID" || fail "the dialog ended after a rejected magnification"
# Alt+M leads into txtZoom; Tab would leave it, and is refused the same way.
xdotool key alt+m Tab
wait_until 20 window_shown '^Error$' || fail "no message when Tab leaves txtZoom"
xdotool key Return
wait_until 10 eval '! window_shown "^Error\$"' || fail "the message stays"
xdotool key Escape
wait_exit "$QV_PID"
[ "$(config_value Zoom)" = 100 ] && [ -z "$(config_value CenterId)" ] ||
  fail "a rejected OK wrote to the store"
echo "PASS: OK saves the defaults, in the system's language; a bad magnification is refused and nothing is written"
