#!/usr/bin/env bash
# /p under Wine, in a pane owned by another process: the preview is its child at 0,0, 155 x 115,
# in both forms the host writes, and ends with the pane; a handle naming no window, a negative one
# or one that is no number ends at once. On its own the moving planet leaves no trail.
source "$(dirname "$0")/wine_lib.sh" "$1"
host=$QV_BUILD/preview_host.exe

for form in '/p %d' '/p:%d'; do
  report=$(wine "$host" "$form" </dev/null 2>/dev/null | tr -d '\r')
  echo "$form: $report"
  grep -q '^child yes at 0,0 size 155x115$' <<<"$report" || fail "$form: no child at 0,0 155x115"
  grep -q '^ended after [0-9]* ms with status 0$' <<<"$report" || fail "$form: did not end"
done

for form in '/p %d' '/p -5' '/p:-5' '/p abc'; do
  report=$(wine "$host" "$form" gone </dev/null 2>/dev/null | tr -d '\r')
  echo "$form, no such pane: $report"
  grep -q '^ended after [0-9]* ms with status 0$' <<<"$report" || fail "'$form' kept it running"
done

# Wine does not show a child window drawn by another process: the trail is looked for in a
# preview of its own, at the screen's top-left. After the planet has gone round three times no
# more pixels are its colour than a disc one pixel wider all round than the planet (11) covers.
shot=$QV_BUILD/preview_test.png
sun_shown() { screenshot "$shot" && [ "$(pixel "$shot" 77 57)" = FF7000 ]; }
start_scr /p
wait_until 20 sun_shown || fail "no preview of its own at the top-left"
sleep 10
screenshot "$shot"
planet=$(convert "$shot" -crop 155x115+0+0 txt:- | grep -ci '#0060C0')
echo "planet-coloured pixels after 10 s: $planet"
((planet > 50 && planet <= 132)) || fail "the planet leaves a trail: $planet pixels of its colour"
echo "PASS: the preview lives in the pane and ends with it"
