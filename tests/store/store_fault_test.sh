# Every open, write, fsync, rename and close of a save is made to fail in turn, and every read
# made short: a save reported done leaves exactly the new file, a failed one leaves the old file
# byte for byte.
source "$(dirname "$0")/lib.sh"

for call in open write fsync rename close read dirsync; do
  for n in $(seq 1 30); do
    cp "$scratch/expected/old" "$store"
    rc=0
    QUORVANE_FAULT="$call:$n" QUORVANE_FAULT_PATH="$scratch/store" LD_PRELOAD="$FAULT_SHIM" \
      ASAN_OPTIONS=verify_asan_link_order=0 "$SAVE_DRIVER" "$store" 9.5 2>"$scratch/err" || rc=$?
    if [ "$rc" -eq 0 ]; then
      cmp -s "$store" "$scratch/expected/new" || fail "$call:$n reported saved, file is not the new one"
    else
      cmp -s "$store" "$scratch/expected/old" || fail "$call:$n failed, yet the file changed"
    fi
    check_no_leftovers "$call:$n"
    if ! grep -q "fault injected" "$scratch/err"; then
      [ "$n" -gt 1 ] || fail "no $call on the store was seen"
      echo "$call: $((n - 1)) calls, each made to fail"
      break
    fi
    # Every write and rename, and the first flush (the one that puts the data on disk), decide.
    case "$call:$n" in
      write:* | rename:* | fsync:1) [ "$rc" -ne 0 ] || fail "$call:$n failed, yet the save was reported done" ;;
      # The folder is forced to disk after the rename, which has put the new file in place.
      dirsync:*) [ "$rc" -eq 0 ] || fail "$call:$n: a save whose folder could not be synced reported $rc" ;;
      # The first read of the start and the first of the re-read before the save.
      read:1 | read:3) [ "$rc" -eq 2 ] || fail "$call:$n: a store read in part was not reported unreadable ($rc)" ;;
    esac
  done
done
# A store of 8 KB with 120 keys of other programs, cut after its first 4 KB: whichever read is
# cut, the file stays whole.
{
  echo '[Config]'
  echo 'Zoom=2.0'
  for i in $(seq 1 120); do printf 'Foreign%03d=%s\n' "$i" "$(printf '%056d' "$i")"; done
  printf '[UpdateInfo]\nCurrentVersion=1.01.0000\n'
} >"$scratch/expected/large"
[ "$(stat -c %s "$scratch/expected/large")" -gt 8000 ] || fail "the large store is too small"
for n in 1 2 3 4 5 6; do
  cp "$scratch/expected/large" "$store"
  rc=0
  QUORVANE_FAULT="read:$n" QUORVANE_FAULT_SHORT_BYTES=4096 QUORVANE_FAULT_PATH="$scratch/store" \
    LD_PRELOAD="$FAULT_SHIM" ASAN_OPTIONS=verify_asan_link_order=0 "$SAVE_DRIVER" "$store" 9.5 \
    2>"$scratch/err" || rc=$?
  if [ "$rc" -eq 0 ]; then
    [ "$(grep -c '^Foreign' "$store")" -eq 120 ] && grep -qx 'Zoom=9.5' "$store" &&
      grep -qx 'CurrentVersion=1.01.0000' "$store" || fail "large store, read:$n: saved in part"
  else
    [ "$rc" -eq 2 ] || fail "large store, read:$n: ended with $rc"
    cmp -s "$store" "$scratch/expected/large" || fail "large store, read:$n: failed, yet changed"
  fi
  check_no_leftovers "large store, read:$n"
done
echo "PASS"
