# A real xscreensaver with quorvane as its one hack: activated, it runs `quorvane --root`, which
# draws the orrery into the saver's window (the Sun's orange at the centre); deactivated, it ends
# quorvane.
source "$(dirname "$0")/lib.sh"
e2e_start 1024x768

# xscreensaver launches no hacks as root: there it runs as nobody, with a home of its own.
# The build folder may be closed to that user (a private clone), so it runs a copy of the program.
as_user=()
hack=$QUORVANE
if [ "$(id -u)" = 0 ]; then
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  chmod 755 "$E2E_TMP"
  hack="$E2E_TMP/quorvane"
  install -m 755 "$QUORVANE" "$hack"
fi
saver_home="$E2E_TMP/saver-home"
mkdir -p -m 777 "$saver_home"
cat >"$saver_home/.xscreensaver" <<END
mode: one
selected: 0
lock: False
fade: False
unfade: False
splash: False
programs: $hack --root \\n
END
chmod 644 "$saver_home/.xscreensaver"
"${as_user[@]}" env HOME="$saver_home" XDG_CONFIG_HOME="$saver_home/config" \
  XDG_RUNTIME_DIR="$saver_home" xscreensaver -no-splash >"$E2E_TMP/xscreensaver.log" 2>&1 &
E2E_PIDS+=($!)
for i in $(seq 50); do
  xscreensaver-command -version >/dev/null 2>&1 && break
  sleep 0.1
done

xscreensaver-command -activate >/dev/null
hack_pid=
for i in $(seq 100); do
  hack_pid=$(pgrep -f -x "$hack --root" || true)
  [ -n "$hack_pid" ] && break
  sleep 0.1
done
[ -n "$hack_pid" ] || fail "xscreensaver did not start quorvane: $(cat "$E2E_TMP/xscreensaver.log")"

for i in $(seq 50); do
  screenshot "$E2E_TMP/saver.png"
  [ "$(pixel "$E2E_TMP/saver.png" 512 384)" = "255 96 0" ] && break
  sleep 0.1
done
expect_pixel "$E2E_TMP/saver.png" 512 384 "255 96 0"

xscreensaver-command -deactivate >/dev/null
for i in $(seq 50); do
  kill -0 "$hack_pid" 2>/dev/null || break
  sleep 0.1
done
! kill -0 "$hack_pid" 2>/dev/null || fail "quorvane still runs after the saver was deactivated"
xscreensaver-command -exit >/dev/null

echo "xscreensaver: all checks passed"
