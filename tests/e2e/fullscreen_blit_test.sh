#!/usr/bin/env bash
# What the full-screen window sends to the X server: the whole screen exactly once at start and
# afterwards only what changes, even with big discs; and the right colours on 16- and 8-bit
# screens.
source "$(dirname "$0")/fullscreen_lib.sh"
e2e_start 1024x768

export PUT_IMAGE_LOG="$E2E_TMP/puts"
LD_PRELOAD="$PUT_IMAGE_LOGGER" start_saver CenterId=4 Orbit=-1 Zoom=100 Language=2
# Until a second has passed since the first request: about ten ticks.
for i in $(seq 100); do
  awk 'NR == 1 { t = $1 } END { exit !($1 - t > 1) }' "$PUT_IMAGE_LOG" && break
  sleep 0.1
done
end_saver
unset PUT_IMAGE_LOG
read -r sent full < <(awk '{ s += $2 * $3; if ($2 * $3 >= 1024 * 768) f++ } END { print s, f + 0 }' \
  "$E2E_TMP/puts")
[ "$full" = 0 ] || fail "$full requests cover the whole screen at once"
[ "$sent" -ge $((1024 * 768)) ] || fail "only $sent pixels sent: the screen was never sent whole"
[ "$sent" -lt $((1024 * 768 * 5 / 4)) ] || fail "$sent pixels sent: the screen was sent more than once"

# 16 bits per pixel (true colour) and 8 (a colour map): the Sun shows in its orange, to the
# precision of the screen.
sun_is_orange() {
  awk -v c="$1" 'BEGIN { split(c, p, " "); exit !(p[1] >= 247 && p[2] >= 90 && p[2] <= 102 && p[3] <= 8) }'
}
for depth in 16 8; do
  e2e_start "1024x768x$depth"
  start_saver CenterId=4 Zoom=5 Language=2
  colour=""
  for i in $(seq 50); do
    screenshot "$E2E_TMP/shot$depth.png"
    colour=$(pixel "$E2E_TMP/shot$depth.png" 512 384)
    sun_is_orange "$colour" && break
    sleep 0.1
  done
  sun_is_orange "$colour" || fail "the Sun shows as $colour on a $depth-bit screen"
  [ ! -s "$E2E_TMP/quorvane.err" ] || fail "$depth bits: $(head -c 300 "$E2E_TMP/quorvane.err")"
  end_saver
done
