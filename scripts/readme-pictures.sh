#!/usr/bin/env bash
# Makes the README's pictures from the program itself: the full screen in English and in Japanese
# with the orbits on, Zoom 50 on Jupiter and the preview (all four by --snapshot, without a
# display), and the settings dialog in both languages, shown under a private Xvfb.
#
#   scripts/readme-pictures.sh [OUT_DIR]    (docs/ without it; needs a build in build/)
#
# QUORVANE and X11_TEST_WINDOW name other binaries than the build's.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-$root/docs}" && cd "${1:-$root/docs}" && pwd)
export QUORVANE=${QUORVANE:-$root/build/quorvane}
export X11_TEST_WINDOW=${X11_TEST_WINDOW:-$root/build/tests/e2e/x11_test_window}
for binary in "$QUORVANE" "$X11_TEST_WINDOW"; do
  [ -x "$binary" ] || { echo "readme-pictures: $binary is missing: build first" >&2 && exit 1; }
done
# The end-to-end tests' helpers: a private X server and settings folder, screenshots, pixels.
source "$root/tests/e2e/lib.sh"

# The full screen at a size that reads well on a project page; the same seed every time, so the
# pictures change only when the drawing does.
for language in en ja; do
  "$QUORVANE" --snapshot "$out/orrery-$language.png" --size 1280x720 --seed 3 --ticks 40 \
    --orbits --language "$language"
done
"$QUORVANE" --snapshot "$out/jupiter-zoom-50.png" --size 1280x720 --seed 3 --ticks 40 \
  --focus 5 --zoom 50 --orbits --language en
"$QUORVANE" --snapshot "$out/preview.png" --preview --ticks 4

e2e_start 1024x768

# dialog LANGUAGE FILE: the settings dialog as stored settings in that language open it.
dialog() {
  mkdir -p "$(dirname "$INI")"
  printf '[Config]\nCenterId=4\nLanguage=%s\nZoom=5.0\nOrbit=True\n' "$1" >"$INI"
  run_quorvane /c
  local id i
  id=$(wait_for_window "Quorvaneの設定")
  # Shown once its footer's navy stands in the window.
  for i in $(seq 100); do
    import -display "$DISPLAY" -window "$id" "$2"
    pixels "$2" | awk '$3 == 0 && $4 == 0 && $5 == 64 { found = 1; exit } END { exit !found }' &&
      break
    sleep 0.1
  done
  kill "$QUORVANE_PID"
  wait_exit "$QUORVANE_PID" 5 >/dev/null
}
dialog 2 "$out/dialog-en.png"
dialog 1 "$out/dialog-ja.png"

echo "readme-pictures: wrote $(cd "$out" && echo *.png)"
