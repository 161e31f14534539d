#!/usr/bin/env bash
# /c:<owner> under Wine: the dialog opens centred on its owner, but wholly inside the work area of
# the owner's monitor when the owner sits near an edge or partly off screen.
source "$(dirname "$0")/wine_lib.sh" "$1"
host=$QV_BUILD/dialog_host.exe

# dialog_host's report for an owner at left top width height: "dialog L T R B work L T R B".
place() { wine "$host" "$@" </dev/null 2>/dev/null | tr -d '\r'; }

for owner in "300 250 400 300" "900 650 200 100" "-300 -200 200 100"; do
  read -r _ left top right bottom _ workLeft workTop workRight workBottom <<<"$(place $owner)" ||
    fail "owner at $owner: no dialog"
  echo "owner $owner: dialog $left,$top-$right,$bottom in $workLeft,$workTop-$workRight,$workBottom"
  ((left >= workLeft && top >= workTop && right <= workRight && bottom <= workBottom)) ||
    fail "owner at $owner: the dialog leaves the work area"
done
# With room all round it is centred on the owner, to the pixel or half.
read -r _ left top right bottom _ <<<"$(place 300 250 400 300)"
((2 * 300 + 400 - left - right <= 1 && left + right - 2 * 300 - 400 <= 1 &&
  2 * 250 + 300 - top - bottom <= 1 && top + bottom - 2 * 250 - 300 <= 1)) ||
  fail "not centred on its owner: $left,$top-$right,$bottom"
echo "PASS: the dialog opens centred on its owner and inside the work area"
