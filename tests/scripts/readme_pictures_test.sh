#!/usr/bin/env bash
# scripts/readme-pictures.sh makes every picture the README shows, each a PNG of its size: the
# script runs, whatever the pictures' bytes are today.
set -euo pipefail
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$(dirname "$0")/../../scripts/readme-pictures.sh" "$out" >/dev/null
for picture in orrery-en:1280x720 orrery-ja:1280x720 jupiter-zoom-50:1280x720 dialog-en: \
  dialog-ja: preview:155x115; do
  file="$out/${picture%%:*}.png" size=${picture#*:}
  [ -s "$file" ] || { echo "FAIL: $file was not made" >&2 && exit 1; }
  actual=$(identify -format %wx%h "$file")
  [ -z "$size" ] || [ "$actual" = "$size" ] ||
    { echo "FAIL: $file is $actual, not $size" >&2 && exit 1; }
done
# The README shows the pictures the script writes to docs/.
for picture in "$out"/*.png; do
  grep -qF "docs/$(basename "$picture")" "$(dirname "$0")/../../README.md" ||
    { echo "FAIL: the README does not show docs/$(basename "$picture")" >&2 && exit 1; }
done
