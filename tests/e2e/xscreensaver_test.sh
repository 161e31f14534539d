#!/usr/bin/env bash
# A real xscreensaver with quorvane as its one hack: activated, it runs `quorvane --root`, which
# draws the orrery into the saver's window (the Sun's orange at the centre); deactivated, it ends
# quorvane.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/xscreensaver_lib.sh"
e2e_start 1024x768

xscreensaver_start

xscreensaver-command -activate >/dev/null
hack_pid=
for i in $(seq 100); do
  hack_pid=$(pgrep -f -x "$HACK --root" || true)
  [ -n "$hack_pid" ] && break
  sleep 0.1
done
[ -n "$hack_pid" ] || fail "xscreensaver did not start quorvane: $(cat "$E2E_TMP/xscreensaver.log")"

wait_sun "$E2E_TMP/saver.png" 512 384

xscreensaver-command -deactivate >/dev/null
hack_gone() { ! kill -0 "$hack_pid" 2>/dev/null; }
wait_until 15 hack_gone || fail "quorvane still runs after the saver was deactivated"
xscreensaver-command -exit >/dev/null

echo "xscreensaver: all checks passed"
