#!/usr/bin/env bash
# /c under Wine: each row label's access key, pressed while the focus is in another row, moves
# the focus into its own row (the selected option of a row of options), where the next key acts;
# OK then saves what those keys chose.
source "$(dirname "$0")/wine_lib.sh" "$1"

clear_store
wine reg add "$QV_CONFIG_KEY" /v Language /d 2 /f >/dev/null 2>&1
start_scr /c
wait_until 20 window_shown '^Quorvane.' || fail "no dialog"
# From the list: Alt+V, then Left selects "Yes". From there: Alt+L, then Left selects Japanese.
# From there: Alt+M, and the magnification becomes 7. From the text box: Alt+F, and Home picks
# Mercury.
xdotool key alt+v Left alt+l Left alt+m End BackSpace BackSpace BackSpace 7 alt+f Home Return
wait_exit "$QV_PID"
config_is() { [ "$(config_value "$1")" = "$2" ]; }
for expected in CenterId=1 Language=1 Zoom=7 Orbit=True; do
  wait_until 10 config_is "${expected%%=*}" "${expected#*=}" ||
    fail "${expected%%=*} is '$(config_value "${expected%%=*}")', not ${expected#*=}"
done
echo "PASS: Alt+F, Alt+L, Alt+M and Alt+V lead into their rows"
