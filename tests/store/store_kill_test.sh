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
# must be a whole copy, never a part.
for copy in "$scratch"/store/Quorvane.ini.??????; do
  [ -e "$copy" ] || continue
  shape "$copy" | cmp -s - "$scratch/expected/shape" || fail "partial copy left: $(cat "$copy")"
  rm "$copy"
done
check_no_leftovers "killed saves"
echo "PASS"
