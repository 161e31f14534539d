#!/usr/bin/env bash
# A process killed at a random moment of its saves leaves the old file or a complete new one:
# every line but the value it saves is as it was.
source "$(dirname "$0")/lib.sh"

shape() { sed 's/^Zoom=.*$/Zoom=N/' "$1"; }
shape "$scratch/expected/old" >"$scratch/expected/shape"

for round in $(seq 1 25); do
  cp "$scratch/expected/old" "$store"
  "$SAVE_DRIVER" "$store" 0 --loop &
  pid=$!
  until ! cmp -s "$store" "$scratch/expected/old"; do sleep 0.01; done
  sleep "0.0$((RANDOM % 10))$((RANDOM % 10))"
  kill -9 "$pid"
  wait "$pid" 2>/dev/null || true
  shape "$store" | cmp -s - "$scratch/expected/shape" || fail "round $round: $(cat "$store")"
  grep -qx 'Zoom=[0-9]*' "$store" || fail "round $round: no saved value in $(cat "$store")"
done
# A kill between naming the new file and renaming it over the store leaves that file behind; it
# must be a whole copy, never a part, and the next save removes it, and only it.
for copy in "$scratch"/store/Quorvane.ini.saving-??????; do
  [ -e "$copy" ] || continue
  shape "$copy" | cmp -s - "$scratch/expected/shape" || fail "partial copy left: $(cat "$copy")"
done
printf 'x\n' >"$scratch/store/Quorvane.ini.saving-ABCDEF"  # as a killed save leaves it
for kept in Quorvane.ini.backup Quorvane.ini.saving-ABCDEFG Quorvane.ini.saving-ABC.EF; do
  printf 'the user keeps this\n' >"$scratch/store/$kept"
done
"$SAVE_DRIVER" "$store" 9.5 || fail "the save after the killed ones failed"
for kept in Quorvane.ini.backup Quorvane.ini.saving-ABCDEFG Quorvane.ini.saving-ABC.EF; do
  grep -qx 'the user keeps this' "$scratch/store/$kept" || fail "a save removed $kept"
  rm "$scratch/store/$kept"
done
check_no_leftovers "killed saves"
echo "PASS"
