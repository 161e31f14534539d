#!/usr/bin/env bash
# A store that cannot be read whole (a read returns its first 4 KB and then fails, as a bad block,
# NFS or FUSE can) is never rewritten: not by the start's version record, and not by the dialog,
# whose OK says why it saved nothing.
source "$(dirname "$0")/lib.sh"
e2e_start

mkdir -p "$(dirname "$INI")"
{
  printf '[Config]\nZoom=2.0\n'
  for i in $(seq 1 120); do printf 'Foreign%03d=%056d\n' "$i" "$i"; done
  printf '[UpdateInfo]\nCurrentVersion=0.9\n'
} >"$INI"
cp "$INI" "$E2E_TMP/before"

QUORVANE_FAULT=read:1 QUORVANE_FAULT_SHORT_BYTES=4096 QUORVANE_FAULT_PATH="$(dirname "$INI")" \
  LD_PRELOAD="$FAULT_SHIM" run_quorvane /c
wait_dialog_focus
grep -q 'fault injected: read:1' "$E2E_TMP/quorvane.err" || fail "the read was not cut"
xdotool key Return
wait_until 5 xdotool search --onlyvisible --name '^Save error$' >/dev/null ||
  fail "no message for a store read in part"
kill -0 "$QUORVANE_PID" || fail "OK ended the program although nothing was saved"
cmp -s "$INI" "$E2E_TMP/before" || fail "the store read in part was rewritten: $(wc -c <"$INI") bytes"
echo "dialog on a store read in part: all checks passed"
