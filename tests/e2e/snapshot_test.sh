#!/usr/bin/env bash
# --snapshot draws the full-screen picture without a display or compositor and writes no
# settings: the same options give the same file, another seed other start angles, the Sun sits in
# the middle, and a file that cannot be written ends with status 2 and one line. With --preview it
# draws the miniature, its planet where the ticks have moved it.
source "$(dirname "$0")/lib.sh"
unset DISPLAY WAYLAND_DISPLAY

snap() {
  "$QUORVANE" --snapshot "$@" 2>"$E2E_TMP/err" || fail "--snapshot $* exited with $?: $(cat "$E2E_TMP/err")"
  [ ! -s "$E2E_TMP/err" ] || fail "--snapshot $* wrote to standard error: $(cat "$E2E_TMP/err")"
}

snap "$E2E_TMP/a.png" --size 640x480 --seed 7 --orbits --language ja
snap "$E2E_TMP/b.png" --size 640x480 --seed 7 --orbits --language ja
cmp -s "$E2E_TMP/a.png" "$E2E_TMP/b.png" || fail "the same options gave two different pictures"
snap "$E2E_TMP/c.png" --size 640x480 --seed 8 --orbits --language ja
! cmp -s "$E2E_TMP/a.png" "$E2E_TMP/c.png" || fail "another seed gave the same picture"
[ "$(identify -format %wx%h "$E2E_TMP/a.png")" = 640x480 ] || fail "the picture is not 640x480"
expect_pixel "$E2E_TMP/a.png" 320 240 "255 96 0"
# The focus planet where the frame rules put it: 0.4 of the screen's height from the centre, and a
# quarter turn further counter-clockwise after 150 ticks, a full turn being 600.
# earth FILE: the centre of the Earth's disc, as "x y": the leftmost pixels of its colour, since
# its label, right of the disc, has the colour too.
earth() {
  convert "$1" txt:- | awk 'BEGIN { n = 0 }
    tolower($0) ~ /#0000cc/ { split($1, p, /[,:]/); x[n] = p[1] + 0; y[n] = p[2] + 0; n++ }
    END {
      if (!n) exit 1
      m = x[0]; for (i = 1; i < n; i++) if (x[i] < m) m = x[i]
      for (i = 0; i < n; i++) if (x[i] <= m + 3) { sx += x[i]; sy += y[i]; k++ }
      print sx / k, sy / k }'
}
snap "$E2E_TMP/e0.png" --size 1024x768 --seed 1 --focus 3 --ticks 0
snap "$E2E_TMP/e150.png" --size 1024x768 --seed 1 --focus 3 --ticks 150
read -r x0 y0 < <(earth "$E2E_TMP/e0.png") || fail "no Earth in the snapshot"
read -r x1 y1 < <(earth "$E2E_TMP/e150.png") || fail "no Earth after 150 ticks"
awk -v x0="$x0" -v y0="$y0" -v x1="$x1" -v y1="$y1" 'BEGIN {
  pi = atan2(0, -1); cx = 512; cy = 384
  r0 = sqrt((x0 - cx) ^ 2 + (y0 - cy) ^ 2); r1 = sqrt((x1 - cx) ^ 2 + (y1 - cy) ^ 2)
  turn = atan2(cy - y1, x1 - cx) - atan2(cy - y0, x0 - cx)
  while (turn < 0) turn += 2 * pi
  exit !((r0 - 307.2) ^ 2 < 2 && (r1 - 307.2) ^ 2 < 2 && (turn - pi / 2) ^ 2 < 0.0004)
}' || fail "the Earth stands at ($x0, $y0), then at ($x1, $y1), not 307.2 pixels from the centre a quarter turn apart"

# The miniature: 155 x 115, the Sun's disc in the middle; after 30 ticks (one turn) the planet
# stands 45 pixels right of the centre again, after 15 as far left, and never leaves a trail.
snap "$E2E_TMP/p30.png" --preview
snap "$E2E_TMP/p15.png" --preview --ticks 15
[ "$(identify -format %wx%h "$E2E_TMP/p30.png")" = 155x115 ] || fail "the preview is not 155x115"
expect_pixel "$E2E_TMP/p30.png" 77 57 "255 112 0"
expect_pixel "$E2E_TMP/p30.png" 122 57 "0 96 192"
expect_pixel "$E2E_TMP/p30.png" 33 57 "64 64 64"
expect_pixel "$E2E_TMP/p15.png" 32 57 "0 96 192"
expect_pixel "$E2E_TMP/p15.png" 122 57 "64 64 64"
planet=$(convert "$E2E_TMP/p15.png" txt:- | grep -ci '#0060c0')
((planet > 80 && planet < 122)) || fail "the preview's planet covers $planet pixels"

[ ! -e "$XDG_CONFIG_HOME" ] || fail "a snapshot wrote settings: $(find "$XDG_CONFIG_HOME")"

status=0
"$QUORVANE" --snapshot "$E2E_TMP/missing/d.png" 2>"$E2E_TMP/err" || status=$?
[ "$status" = 2 ] || fail "an unwritable file exited with $status"
[ "$(wc -l <"$E2E_TMP/err")" = 1 ] || fail "an unwritable file printed: $(cat "$E2E_TMP/err")"
grep -qF "quorvane: cannot write $E2E_TMP/missing/d.png" "$E2E_TMP/err" ||
  fail "an unwritable file printed: $(cat "$E2E_TMP/err")"
