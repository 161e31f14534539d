#!/usr/bin/env bash
# The Windows program draws what the Linux program draws: parity_render.exe writes the pictures
# as the Win32 front end draws them (its GDI glyphs, the canvas, the preview window itself), and
# the Linux build's parity_check compares each with the Linux program's snapshot. Discs, rings,
# the Sun and the preview must be the same pixel for pixel; text may differ only inside the boxes
# of its glyphs, since the fonts differ, and how much it does is printed.
# Needs the Linux build folder in QUORVANE_LINUX_BUILD (scripts/test-windows.sh sets it).
source "$(dirname "$0")/wine_lib.sh" "$1"
linux=${QUORVANE_LINUX_BUILD:-}
[ -x "$linux/parity_check" ] && [ -x "$linux/quorvane" ] ||
  fail "QUORVANE_LINUX_BUILD must name a Linux build folder with quorvane and parity_check"

pictures=$(mktemp -d)
QV_CLEAN_DIR=$pictures
trap 'rm -rf "$QV_CLEAN_DIR"; qv_cleanup' EXIT
wine "$QV_BUILD/parity_render.exe" "$(winepath -w "$pictures")" </dev/null ||
  fail "parity_render.exe failed"
"$linux/parity_check" "$linux/quorvane" "$pictures" 2>/dev/null ||
  fail "the Windows pictures differ from the Linux snapshots where they must not"
echo "PASS: the Windows pictures are the Linux snapshots but for the text's glyphs"
