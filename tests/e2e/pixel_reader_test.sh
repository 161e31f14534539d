#!/usr/bin/env bash
# The tests' pixel reader: the same numbers from a colour picture and from a grey one (which
# ImageMagick may store and print with a single channel), at the right coordinates, also for a
# part of a picture.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/preview_lib.sh"

colour="$E2E_TMP/colour.png" grey="$E2E_TMP/grey.png"
convert -size 5x4 xc:navy -fill '#ff7000' -draw 'point 3,2' -draw 'point 4,3' "$colour"
convert -size 5x4 xc:'#404040' -fill white -draw 'point 1,2' "$grey"
[ "$(identify -format %[colorspace] "$grey")" = Gray ] || fail "the grey picture is not stored as grey"

expect_pixel "$colour" 3 2 "255 112 0"
expect_pixel "$colour" 0 0 "0 0 128"
expect_pixel "$grey" 1 2 "255 255 255"
expect_pixel "$grey" 4 3 "64 64 64"
[ "$(pixels "$grey" | wc -l)" = 20 ] || fail "not every pixel of the picture was read"
[ "$(pixels "$grey" 2x2+1+1 | tr '\n' ' ')" = "1 1 64 64 64 2 1 64 64 64 1 2 255 255 255 2 2 64 64 64 " ] ||
  fail "a part is not read in the picture's coordinates: $(pixels "$grey" 2x2+1+1)"
[ "$(colour_stats "$colour" 3x3+2+1 "255 112 0")" = "2 3.5 2.5" ] ||
  fail "the Sun's colour is counted wrongly: $(colour_stats "$colour" 3x3+2+1 "255 112 0")"
echo "pixel reader: all checks passed"
