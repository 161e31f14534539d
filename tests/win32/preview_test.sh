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
# preview of its own, at the screen's top-left. While the planet goes round three times no
# screenshot shows more pixels of its colour than a disc one pixel wider all round than the
# planet (11) covers.
shot=$QV_BUILD/preview_test.png
sun_shown() { screenshot "$shot" && [ "$(pixel "$shot" 77 57)" = FF7000 ]; }
# planet: prints how many pixels of the preview have the planet's colour and the angle of their
# mean round the Sun, in radians.
planet() {
  screenshot "$shot"
  convert "$shot" -crop 155x115+0+0 txt:- | awk '
    tolower($0) ~ /#0060c0/ { split($1, p, /[,:]/); n++; sx += p[1]; sy += p[2] }
    END { if (n) print n, atan2(57 - sy / n, sx / n - 77); else print 0, 0 }'
}
start_scr /p
wait_until 20 sun_shown || fail "no preview of its own at the top-left"
read -r count last < <(planet)
turns=0
deadline=$((SECONDS + 60))
while awk -v t="$turns" 'BEGIN { exit !(t < 3 && t > -3) }'; do
  ((count > 50 && count <= 132)) || fail "the planet leaves a trail: $count pixels of its colour"
  ((SECONDS < deadline)) || fail "the planet went round only $turns times in 60 s"
  read -r count angle < <(planet)
  # Shots come a few ticks apart, each of which moves the planet by 12 degrees.
  turns=$(awk -v t="$turns" -v a="$angle" -v b="$last" 'BEGIN {
    pi = atan2(0, -1); d = a - b
    while (d > pi) d -= 2 * pi
    while (d < -pi) d += 2 * pi
    print t + d / (2 * pi) }')
  last=$angle
done
((count > 50 && count <= 132)) || fail "the planet leaves a trail: $count pixels of its colour"
echo "planet-coloured pixels after three turns: $count"
echo "PASS: the preview lives in the pane and ends with it"
