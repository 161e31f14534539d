# Helpers of the preview's end-to-end tests, on top of lib.sh: where the preview's colours are in
# a screenshot.
NAVY="0 0 64"
SUN="255 112 0"
PLANET="0 96 192"
RING="64 64 64"

# colour_stats FILE WxH+X+Y "R G B": prints "COUNT MEANX MEANY" of the pixels of exactly that
# colour inside the area, in screen coordinates ("0 -1 -1" when there are none).
colour_stats() {
  pixels "$1" "$2" | awk -v c="$3" '
    BEGIN { split(c, e, " ") }
    $3 == e[1] && $4 == e[2] && $5 == e[3] { n++; sx += $1; sy += $2 }
    END { if (n) printf "%d %.1f %.1f\n", n, sx / n, sy / n; else print "0 -1 -1" }'
}

# expect_preview FILE X Y: the whole miniature stands with its top-left at X,Y: navy ground, the
# Sun at the centre, the ring round it and the planet on the ring. Prints the planet's centre.
expect_preview() {
  local file=$1 x=$2 y=$3 area="155x115+$2+$3"
  local cx=$((x + 77)) cy=$((y + 57))
  expect_pixel "$file" $((x + 2)) $((y + 2)) "$NAVY"
  expect_pixel "$file" $((x + 152)) $((y + 112)) "$NAVY"
  local n sx sy
  read -r n sx sy < <(colour_stats "$file" "$area" "$SUN")
  [ "$n" -ge 400 ] && [ "$n" -le 600 ] || fail "$file: $n Sun pixels at $x,$y"
  awk -v a="$sx" -v b="$sy" -v x="$cx" -v y="$cy" 'BEGIN { exit !((a-x)^2 + (b-y)^2 <= 1.5) }' ||
    fail "$file: the Sun is centred at $sx,$sy, not near $cx,$cy"
  read -r n sx sy < <(colour_stats "$file" "$area" "$RING")
  # The planet hides a few of the ring's ~280 pixels, which pulls their mean off the centre.
  [ "$n" -ge 200 ] && [ "$n" -le 400 ] || fail "$file: $n ring pixels at $x,$y"
  awk -v a="$sx" -v b="$sy" -v x="$cx" -v y="$cy" 'BEGIN { exit !((a-x)^2 + (b-y)^2 <= 9) }' ||
    fail "$file: the ring is centred at $sx,$sy, not near $cx,$cy"
  read -r n sx sy < <(colour_stats "$file" "$area" "$PLANET")
  [ "$n" -ge 70 ] && [ "$n" -le 130 ] || fail "$file: $n planet pixels at $x,$y"
  awk -v a="$sx" -v b="$sy" -v x="$cx" -v y="$cy" '
    BEGIN { d = sqrt((a-x)^2 + (b-y)^2); exit !(d >= 43 && d <= 47) }' ||
    fail "$file: the planet at $sx,$sy is not on the ring round $cx,$cy"
  echo "$sx $sy"
}

# wait_for_preview FILE [X Y]: takes screenshots into FILE until the miniature with its top-left at
# X,Y (0,0 unless given) has its planet on the ring, which it reaches at the first tick (before
# that it stands at its design position).
wait_for_preview() {
  local i n sx sy x=${2:-0} y=${3:-0}
  for i in $(seq 100); do
    screenshot "$1"
    read -r n sx sy < <(colour_stats "$1" "155x115+$x+$y" "$PLANET")
    if [ "$n" -ge 70 ] && awk -v a="$sx" -v b="$sy" -v x="$((x + 77))" -v y="$((y + 57))" '
      BEGIN { d = sqrt((a-x)^2 + (b-y)^2); exit !(d >= 43 && d <= 47) }'; then
      return 0
    fi
    sleep 0.1
  done
  fail "no preview with its planet on the ring appeared at $x,$y"
}

# pane TITLE WxH: starts a host window; its id in PANE, its process in PANE_PID.
pane() {
  start_window "$1" --size "$2" >"$E2E_TMP/pane"
  PANE=$(cat "$E2E_TMP/pane")
  PANE_PID=$LAST_WINDOW_PID
}

# expect_end_with_pane PANE_PID PREVIEW_PID: the pane's program exits, and the preview follows,
# successfully. It follows at once, as its window goes with the pane's; the bound is generous only
# so that a loaded machine passes, and still catches a preview left running.
expect_end_with_pane() {
  kill "$1"
  wait_exit "$2" 5 >"$E2E_TMP/status"
  [ "$(cat "$E2E_TMP/status")" = 0 ] || fail "the preview exited with $(cat "$E2E_TMP/status")"
}
