#!/usr/bin/env bash
# Time from exec to the first complete picture of `quorvane /s` under Xvfb, beside the same time
# for an empty full-screen Qt window (the floor any Qt program pays), run in turn RUNS times at
# each size; prints the medians and their difference. The program's picture counts as complete
# once a whole screen of pixels has been put and the server has answered a sync (the preloaded
# put_image_log ends it there); the empty window ends once its first paint has been flushed.
# Usage: bench/start_time.sh [BUILD_DIR] [RUNS]   (SIZES="1920x1080 3840x2160" by default)
build=$(realpath "${1:-build}")
runs=${2:-10}
sizes=${SIZES:-1920x1080 3840x2160}
export QUORVANE="$build/quorvane" X11_TEST_WINDOW=/bin/false
source "$(dirname "$0")/../tests/e2e/lib.sh"

# milliseconds COMMAND...: the wall time of the command in milliseconds.
milliseconds() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 || true
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
}

median() {
  sort -n | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

for size in $sizes; do
  e2e_start "$size"
  server=${E2E_PIDS[-1]}
  mkdir -p "$(dirname "$INI")"
  printf '[Config]\nLanguage=2\n' >"$INI"
  area=$((${size%x*} * ${size#*x}))
  : >"$E2E_TMP/saver" && : >"$E2E_TMP/empty"
  for ((run = 0; run < runs; run++)); do
    PUT_IMAGE_EXIT_AREA=$area LD_PRELOAD="$build/tests/e2e/libput_image_log.so" \
      milliseconds "$QUORVANE" /s >>"$E2E_TMP/saver"
    milliseconds "$build/bench/empty_window" >>"$E2E_TMP/empty"
  done
  saver=$(median <"$E2E_TMP/saver")
  empty=$(median <"$E2E_TMP/empty")
  awk -v size="$size" -v s="$saver" -v e="$empty" -v n="$runs" 'BEGIN {
    printf "%-10s first complete picture %.1f ms, empty Qt window %.1f ms, difference %.1f ms (medians of %d)\n",
      size, s, e, s - e, n
  }'
  kill "$server"
  wait "$server" 2>/dev/null || true
done
