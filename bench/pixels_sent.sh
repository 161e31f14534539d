#!/usr/bin/env bash
# What `quorvane /s` sends to the X server, read from a log of its XPutImage calls (the
# preloaded put_image_log): the screens' worth of pixels sent in the first half second (1 is
# one full-screen transfer), and the median pixels and requests per tick after that. The pixels
# that really change between two frames are draw_frame_bench's changed_px.
# Usage: bench/pixels_sent.sh [BUILD_DIR] [SECONDS]
#   SIZES="1920x1080 3840x2160" and SETTINGS="default orbit zoom100" choose what runs.
build=$(realpath "${1:-build}")
seconds=${2:-5}
sizes=${SIZES:-1024x768 1920x1080 3840x2160}
settings=${SETTINGS:-default orbit zoom100}
export QUORVANE="$build/quorvane" X11_TEST_WINDOW=/bin/false
source "$(dirname "$0")/../tests/e2e/fullscreen_lib.sh"

for size in $sizes; do
  for setting in $settings; do
    e2e_start "$size"
    server=${E2E_PIDS[-1]}
    xdotool mousemove 0 0
    case $setting in
      default) lines=() ;;
      orbit) lines=(Orbit=-1) ;;
      zoom100) lines=(Zoom=100) ;;
    esac
    PUT_IMAGE_LOG="$E2E_TMP/puts" LD_PRELOAD="$build/tests/e2e/libput_image_log.so" \
      start_saver Language=2 "${lines[@]}"
    sleep "$seconds"
    end_saver
    kill "$server"
    wait "$server" 2>/dev/null || true
    # Requests less than 20 ms apart belong to one tick.
    awk -v s="$size" -v g="$setting" -v area=$((${size%x*} * ${size#*x})) '
      NR == 1 { start = $1 }
      { t = $1 - start; px = $2 * $3 }
      t < 0.5 { first += px; next }
      last == "" || t - last > 0.02 { n++ }
      { pixels[n] += px; puts[n]++; last = t }
      function median(a,   i, j, v, k) {
        for (i = 1; i <= n; i++) v[i] = a[i]
        for (i = 2; i <= n; i++) for (j = i; j > 1 && v[j - 1] > v[j]; j--) { k = v[j]; v[j] = v[j - 1]; v[j - 1] = k }
        return n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
      }
      END {
        printf "%-10s %-8s screens sent at start %.2f, per tick: %d pixels in %d requests (median of %d ticks)\n",
          s, g, first / area, median(pixels), median(puts), n
      }' "$E2E_TMP/puts"
  done
done
