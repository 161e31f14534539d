#!/usr/bin/env bash
# Start-up: an unknown selector writes only the version record and shows nothing; an open
# full-screen window or settings dialog keeps every mode from starting, with and without a
# window manager.
source "$(dirname "$0")/lib.sh"
e2e_start

main_title="Quorvane (C) 2026 Quorvane Works"

# Unknown selector: exit 0, no window, only [UpdateInfo].
status=0
"$QUORVANE" /a || status=$?
[ "$status" = 0 ] || fail "/a exited with $status"
grep -qx '\[UpdateInfo\]' "$INI" || fail "no [UpdateInfo] in $(cat "$INI")"
grep -qx 'CurrentVersion=1.01.0000' "$INI" || fail "CurrentVersion missing: $(cat "$INI")"
grep -qx "ApplicationPath=$(dirname "$QUORVANE")" "$INI" || fail "ApplicationPath wrong: $(cat "$INI")"
! grep -q '\[Config\]' "$INI" || fail "/a wrote [Config]"

# A later start keeps [Config] and rewrites only the version record.
printf '[Config]\nZoom=7\n\n[UpdateInfo]\nCurrentVersion=0.99.0000\n' >"$INI"
"$QUORVANE" /a
grep -qx 'Zoom=7' "$INI" || fail "the version record lost [Config]: $(cat "$INI")"
grep -qx 'CurrentVersion=1.01.0000' "$INI" || fail "CurrentVersion not rewritten: $(cat "$INI")"

# A store that cannot be read or written does not keep the program from starting.
printf '\0\377garbage[[[\n=' >"$INI"
"$QUORVANE" /a || fail "a garbled store stopped the start"
rm -rf "$XDG_CONFIG_HOME/Quorvane"
echo "not a folder" >"$XDG_CONFIG_HOME/Quorvane"
"$QUORVANE" /a || fail "a store that cannot be written stopped the start"
rm -f "$XDG_CONFIG_HOME/Quorvane"

# Neither a FIFO in the store's place nor a lock file left by a killed save holds up a start.
mkdir -p "$(dirname "$INI")"
mkfifo "$INI"
timeout 5 "$QUORVANE" /a || fail "a FIFO in the store's place held up the start"
[ -p "$INI" ] || fail "the FIFO in the store's place was replaced"
rm -f "$INI"
: >"$INI.lock"
timeout 5 "$QUORVANE" /a || fail "a lock file left behind held up the start"
grep -qx 'CurrentVersion=1.01.0000' "$INI" || fail "no version record beside an old lock file"

# An overflowing preview handle is reported and nothing is shown.
status=0
"$QUORVANE" /p 99999999999 2>"$E2E_TMP/err" || status=$?
[ "$status" != 0 ] || fail "an overflowing handle exited with 0"
grep -qi overflow "$E2E_TMP/err" || fail "no overflow report: $(cat "$E2E_TMP/err")"

# Another instance's window blocks every mode, and the store stays as it was.
check_blocked() {
  local title=$1
  start_window "$title" >/dev/null
  local window_pid=$LAST_WINDOW_PID
  mkdir -p "$(dirname "$INI")"
  printf '[Config]\nZoom=7\n' >"$INI"
  cp "$INI" "$E2E_TMP/before.ini"
  local mode
  for mode in /s /c /p "/p 0" "" /a; do
    local started=$SECONDS
    status=0
    timeout 5 "$QUORVANE" $mode || status=$?
    [ "$status" = 0 ] || fail "mode '$mode' beside '$title' exited with $status"
    cmp -s "$INI" "$E2E_TMP/before.ini" || fail "mode '$mode' beside '$title' wrote the store"
  done
  kill "$window_pid"
}
check_blocked "$main_title"
check_blocked "Quorvaneの設定"

# A similar but different title does not block.
start_window "Quorvaneの設定 (old)" >/dev/null
"$QUORVANE" /a
grep -q 'CurrentVersion' "$INI" || fail "a different title blocked the start"
kill "$LAST_WINDOW_PID"

echo "startup: all checks passed"
