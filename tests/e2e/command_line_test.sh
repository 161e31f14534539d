#!/usr/bin/env bash
# The Linux command line: --help, -h, --version and wrong options answer without a display and
# without touching the settings; a wrong option or value, or a setting given where no full-screen
# orrery runs, exits 2 with a short error.
source "$(dirname "$0")/lib.sh"
unset DISPLAY WAYLAND_DISPLAY

for help in --help -h -help; do
  status=0
  "$QUORVANE" $help >"$E2E_TMP/out" 2>"$E2E_TMP/err" || status=$?
  [ "$status" = 0 ] || fail "$help exited with $status: $(cat "$E2E_TMP/err")"
  [ ! -s "$E2E_TMP/err" ] || fail "$help wrote to standard error: $(cat "$E2E_TMP/err")"
  for option in /s /c '/p <id>' --root --window-id --focus --zoom --orbits --no-orbits --language; do
    grep -qF -- "$option" "$E2E_TMP/out" || fail "$help does not list $option"
  done
  # How to make it the screen saver, and what its exit status means.
  for setup in "programs:" "xautolock -time" "xss-lock --" "swayidle -w timeout 600 'quorvane /s'" \
    "Exit status: 0" "1 when there is no display" "2 for a wrong option"; do
    grep -qF -- "$setup" "$E2E_TMP/out" || fail "$help does not say '$setup'"
  done
done

status=0
"$QUORVANE" --version >"$E2E_TMP/out" 2>"$E2E_TMP/err" || status=$?
[ "$status" = 0 ] || fail "--version exited with $status"
grep -qxE 'quorvane [0-9]+\.[0-9]{2}\.[0-9]{4}' "$E2E_TMP/out" || fail "--version printed: $(cat "$E2E_TMP/out")"

for wrong in --bogus -s "--focus 12" "--focus x" "--zoom 0" "--zoom 51" "--language fr" \
  "--orbits --no-orbits" "--window-id 0" "--window-id 12ab" "--window-id" "--focus 9" \
  "/c --zoom 3" "/p 12 --language ja" "/s --bogus"; do
  status=0
  "$QUORVANE" $wrong >"$E2E_TMP/out" 2>"$E2E_TMP/err" || status=$?
  [ "$status" = 2 ] || fail "'$wrong' exited with $status"
  [ ! -s "$E2E_TMP/out" ] || fail "'$wrong' wrote to standard output: $(cat "$E2E_TMP/out")"
  [ "$(wc -l <"$E2E_TMP/err")" -le 2 ] && grep -q '^quorvane: ' "$E2E_TMP/err" ||
    fail "'$wrong' gave no short error: $(cat "$E2E_TMP/err")"
done

# An unknown option is quoted as typed, dashes and all.
for typed in --bogus -bogus -s; do
  "$QUORVANE" $typed 2>"$E2E_TMP/err" && fail "'$typed' was accepted"
  grep -qF "quorvane: Unknown option '$typed'" "$E2E_TMP/err" ||
    fail "'$typed' was not quoted as typed: $(cat "$E2E_TMP/err")"
done
# Settings without a full-screen run say where they belong.
"$QUORVANE" --focus 9 2>"$E2E_TMP/err" && fail "--focus without a mode was accepted"
grep -qF -- "--focus applies to /s, --root and --window-id only" "$E2E_TMP/err" ||
  fail "--focus without a mode: $(cat "$E2E_TMP/err")"

# XSCREENSAVER_WINDOW must name a window when --root is to draw into it.
status=0
XSCREENSAVER_WINDOW=nonsense "$QUORVANE" --root 2>"$E2E_TMP/err" || status=$?
[ "$status" = 2 ] || fail "--root with a wrong XSCREENSAVER_WINDOW exited with $status"

[ ! -e "$XDG_CONFIG_HOME/Quorvane" ] || fail "the settings were written: $(ls -R "$XDG_CONFIG_HOME")"
