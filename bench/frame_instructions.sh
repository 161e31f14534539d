#!/usr/bin/env bash
# Instructions per frame of the full-screen scene on the pixel canvas (drawing plus taking the
# changes, no window), counted by callgrind: the difference between a run of FEW and one of MANY
# frames, over MANY - FEW, so start-up and the first full frames do not count. Instruction counts
# do not depend on the machine's load, unlike timings.
# Usage: bench/frame_instructions.sh [SCENE_FRAMES_BINARY]   (needs valgrind)
#   SIZES="1024x768 1920x1080" and SETTINGS="default orbit zoom100" choose what runs.
set -euo pipefail
BINARY=$(realpath "${1:-build/bench/scene_frames}")
SIZES=${SIZES:-1024x768 1920x1080 3840x2160 7680x4320}
SETTINGS=${SETTINGS:-default orbit zoom100}
FEW=10
MANY=60
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

# instructions WIDTH HEIGHT ZOOM ORBIT FRAMES: the program's total instruction count.
instructions() {
  valgrind --tool=callgrind --callgrind-out-file="$TMP/out" "$BINARY" "$@" >/dev/null 2>"$TMP/log"
  awk '/^summary:/ { print $2 }' "$TMP/out"
}

printf '%-10s %-8s %14s\n' size setting "instr/frame"
for size in $SIZES; do
  for setting in $SETTINGS; do
    zoom=5 orbit=0
    case $setting in
      orbit) orbit=1 ;;
      zoom100) zoom=100 ;;
    esac
    few=$(instructions "${size%x*}" "${size#*x}" "$zoom" "$orbit" "$FEW")
    many=$(instructions "${size%x*}" "${size#*x}" "$zoom" "$orbit" "$MANY")
    printf '%-10s %-8s %14.0f\n' "$size" "$setting" "$(((many - few) / (MANY - FEW)))"
  done
done
