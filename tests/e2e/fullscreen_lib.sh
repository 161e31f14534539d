# Helpers of the full-screen tests, on top of lib.sh: starting the saver with given settings and
# checking its picture on a 1024x768 screen with Mars as focus.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

SAVER_TITLE="Quorvane (C) 2026 Quorvane Works"

# start_saver CONFIG_LINES...: writes [Config] with the lines, starts `quorvane /s` and waits until
# its window has the keyboard focus: by then it is on the screen and has noted where the pointer
# is. Its id is in SAVER_ID.
start_saver() {
  mkdir -p "$(dirname "$INI")"
  printf '[Config]\n' >"$INI"
  printf '%s\n' "$@" >>"$INI"
  run_quorvane /s
  SAVER_ID=$(wait_for_window "$SAVER_TITLE")
  wait_until 10 saver_has_focus || fail "the saver did not take the keyboard focus"
}

saver_has_focus() {
  [ "$(xdotool getwindowfocus 2>/dev/null)" = "$SAVER_ID" ]
}

# wait_overlay: waits until the screen shows the overlay's white text in its top-left corner, which
# the picture's first frame draws before the rest of the screen.
wait_overlay() {
  wait_until 10 overlay_shown || fail "no overlay on the screen (see $E2E_TMP/overlay.png)"
}

overlay_shown() {
  screenshot "$E2E_TMP/overlay.png"
  local white
  white=$(convert "$E2E_TMP/overlay.png" -crop 400x240+0+0 -fill black +opaque white \
    -format '%[fx:round(mean*w*h)]' info:)
  [ "$white" -gt 200 ]
}

# seconds_since START: wall time since START (from `date +%s.%N`).
seconds_since() {
  awk -v s="$1" -v n="$(date +%s.%N)" 'BEGIN { printf "%.2f", n - s }'
}

# expect_exit_zero WHAT SECONDS: the saver must end with status 0 within SECONDS.
expect_exit_zero() {
  wait_exit "$QUORVANE_PID" "$2" >"$E2E_TMP/status"
  [ "$(cat "$E2E_TMP/status")" = 0 ] || fail "$1: the saver ended with status $(cat "$E2E_TMP/status")"
}

# end_saver: ends the saver with a key and checks it leaves with status 0.
end_saver() {
  xdotool key space
  expect_exit_zero "a key" 1
}

# picture_report FILE: one line per finding on a 1024x768 screenshot with Mars as focus at Zoom 5:
# "sun" when the centre shows the Sun's orange, "planet NAME" for each planet whose colour lies on
# its orbit, "ring NAME" for each orbit ring mostly drawn, "line TOP" for each overlay line with
# white text, "white-above" when white shows above the overlay.
picture_report() {
  pixels "$1" | awk '
    BEGIN {
      cx = 512; cy = 384
      # name, colour, orbit radius in pixels (Mars fills 80 % of the height)
      n = split("Mercury 0,204,204 78.05 Venus 255,204,51 145.84 Earth 0,0,204 201.64 " \
                "Mars 204,0,0 307.2", f, " ")
      for (i = 1; i <= n; i += 3) { name[++count] = f[i]; colour[count] = f[i + 1]; radius[count] = f[i + 2] }
    }
    {
      x = $1; y = $2; c = $3 "," $4 "," $5
      if (x == cx && y == cy && c == "255,96,0") print "sun"
      if (c == "255,255,255") {
        if (y < 50) white_above = 1
        else if (x >= 50 && x < 300) for (t = 50; t <= 90; t += 20) if (y >= t && y < t + 16) white[t]++
      }
      d = sqrt((x - cx) ^ 2 + (y - cy) ^ 2)
      for (i = 1; i <= count; i++) {
        if (c == colour[i] && d > radius[i] - 2 && d < radius[i] + 2) on_orbit[i] = 1
        if (c == "64,64,64" && d > radius[i] - 1.5 && d < radius[i] + 1.5) ring[i]++
      }
    }
    END {
      for (i = 1; i <= count; i++) {
        if (on_orbit[i]) print "planet " name[i]
        if (ring[i] > 3.14 * radius[i]) print "ring " name[i]
      }
      for (t = 50; t <= 90; t += 20) if (white[t] > 100) print "line " t
      if (white_above) print "white-above"
    }'
}
