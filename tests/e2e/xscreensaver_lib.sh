# Shared by the tests that run the real xscreensaver: a private home for it and its settings
# tool, and xscreensaver_start, which starts the daemon with quorvane as its one hack.
# Source it after lib.sh and call it after e2e_start.

# xscreensaver and its settings tool refuse to run as root: there they run as nobody. The build
# folder may be closed to that user (a private clone), so they run a copy of the program, $HACK.
XSCREENSAVER_AS=()
HACK=$QUORVANE
if [ "$(id -u)" = 0 ]; then
  XSCREENSAVER_AS=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  chmod 755 "$E2E_TMP"
  HACK="$E2E_TMP/quorvane"
  install -m 755 "$QUORVANE" "$HACK"
fi
SAVER_HOME="$E2E_TMP/saver-home"
mkdir -p -m 777 "$SAVER_HOME"

# as_saver_user COMMAND...: runs the command as xscreensaver's user, in its home.
as_saver_user() {
  "${XSCREENSAVER_AS[@]}" env HOME="$SAVER_HOME" XDG_CONFIG_HOME="$SAVER_HOME/config" \
    XDG_RUNTIME_DIR="$SAVER_HOME" "$@"
}

# xscreensaver_start: the daemon, running `$HACK --root` as its only hack; returns once it
# answers.
xscreensaver_start() {
  cat >"$SAVER_HOME/.xscreensaver" <<END
mode: one
selected: 0
lock: False
fade: False
unfade: False
splash: False
programs: $HACK --root \\n
END
  chmod 644 "$SAVER_HOME/.xscreensaver"
  as_saver_user xscreensaver -no-splash >"$E2E_TMP/xscreensaver.log" 2>&1 &
  E2E_PIDS+=($!)
  local i
  for i in $(seq 50); do
    xscreensaver-command -version >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  fail "xscreensaver did not start: $(cat "$E2E_TMP/xscreensaver.log")"
}
