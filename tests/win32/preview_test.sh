#!/usr/bin/env bash
# /p under Wine, in a pane owned by another process: the preview is its child at 0,0, 155 x 115,
# in both forms the host writes, and ends with the pane; a handle naming no window ends at once.
source "$(dirname "$0")/wine_lib.sh" "$1"
host=$QV_BUILD/preview_host.exe

for form in '/p %d' '/p:%d'; do
  report=$(wine "$host" "$form" </dev/null 2>/dev/null | tr -d '\r')
  echo "$form: $report"
  grep -q '^child yes at 0,0 size 155x115$' <<<"$report" || fail "$form: no child at 0,0 155x115"
  grep -q '^ended after [0-9]* ms with status 0$' <<<"$report" || fail "$form: did not end"
done

report=$(wine "$host" '/p %d' gone </dev/null 2>/dev/null | tr -d '\r')
echo "pane gone: $report"
grep -q '^ended after [0-9]* ms with status 0$' <<<"$report" || fail "a gone pane kept it running"
echo "PASS: the preview lives in the pane and ends with it"
