#!/usr/bin/env bash
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
echo "PASS"
