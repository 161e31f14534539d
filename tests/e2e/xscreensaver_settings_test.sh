#!/usr/bin/env bash
# xscreensaver's settings tool previews the selected hack in a window of its own: it runs the
# hack's command line with --window-id and that window appended (`quorvane --root --window-id
# 0x...`), and the orrery must appear there, the Sun at the window's centre.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/xscreensaver_lib.sh"
e2e_start 1024x768

# With the daemon running, the tool opens without asking to start it.
xscreensaver_start
as_saver_user xscreensaver-settings >"$E2E_TMP/settings.log" 2>&1 &
E2E_PIDS+=($!)

preview=
for i in $(seq 150); do
  preview=$(pgrep -a -f "^$HACK --root --window-id 0x[0-9A-Fa-f]+\$" | awk '{ print $NF }' || true)
  [ -n "$preview" ] && break
  sleep 0.1
done
[ -n "$preview" ] || fail "the settings tool did not run quorvane: $(cat "$E2E_TMP/settings.log")"

geometry=$(xwininfo -id "$preview")
left=$(awk '/Absolute upper-left X/ { print $NF }' <<<"$geometry")
top=$(awk '/Absolute upper-left Y/ { print $NF }' <<<"$geometry")
width=$(awk '/Width:/ { print $NF }' <<<"$geometry")
height=$(awk '/Height:/ { print $NF }' <<<"$geometry")
x=$((left + width / 2))
y=$((top + height / 2))
wait_sun "$E2E_TMP/preview.png" "$x" "$y"
pgrep -f "^$HACK --root --window-id $preview\$" >/dev/null ||
  fail "quorvane ended in the preview: $(cat "$E2E_TMP/settings.log")"

echo "xscreensaver settings preview: all checks passed"
