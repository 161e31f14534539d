# Shared helpers of the end-to-end tests. Each test script sources this file and calls
# e2e_start, which gives it a private X server, a private settings folder and clean-up on exit.
# The test's environment provides QUORVANE (the binary) and X11_TEST_WINDOW (the helper window).
set -euo pipefail

E2E_TMP=$(mktemp -d)
export XDG_CONFIG_HOME="$E2E_TMP/config"
export LANG=C.UTF-8 LC_ALL= LC_MESSAGES=
INI="$XDG_CONFIG_HOME/Quorvane/Quorvane.ini"
# Qt warns on standard error without a runtime folder; the tests read standard error.
export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
E2E_PIDS=()

# Ends what the test started, newest first, so X clients go before their server.
e2e_cleanup() {
  local i
  for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
    kill "${E2E_PIDS[i]}" 2>/dev/null || true
  done
  wait 2>/dev/null || true
  rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  if [ -s "$E2E_TMP/xvfb.log" ]; then
    echo "X server ${DISPLAY:-} said:" >&2
    cat "$E2E_TMP/xvfb.log" >&2
  fi
  exit 1
}

# e2e_start [WIDTHxHEIGHT[xDEPTH]] [--wm]: starts Xvfb on a free display (and twm with --wm);
# the depth is 24 unless given.
e2e_start() {
  local size=${1:-1024x768}
  [[ $size == *x*x* ]] || size+=x24
  exec {fd}<> <(:)
  # -noreset: otherwise the server resets whenever its last client leaves, and a client that
  # connects meanwhile is refused.
  Xvfb -displayfd "$fd" -screen 0 "$size" -nolisten tcp -noreset -dpi 96 \
    >"$E2E_TMP/xvfb.log" 2>&1 &
  E2E_PIDS+=($!)
  local display
  read -r -t 15 -u "$fd" display || fail "Xvfb did not start: $(cat "$E2E_TMP/xvfb.log")"
  export DISPLAY=":$display"
  # Run from a Wayland session, the program would take its Wayland front end.
  unset WAYLAND_DISPLAY
  if [ "${2:-}" = "--wm" ]; then
    # The server's built-in "fixed" font: twm's default fonts are not installed everywhere, and
    # without its fonts twm exits at once.
    printf '%s\n' 'TitleFont "fixed"' 'ResizeFont "fixed"' 'MenuFont "fixed"' 'IconFont "fixed"' \
      'IconManagerFont "fixed"' 'RandomPlacement' >"$E2E_TMP/twmrc"
    twm -f "$E2E_TMP/twmrc" >"$E2E_TMP/twm.log" 2>&1 &
    E2E_PIDS+=($!)
    E2E_WM_PID=$!
    # twm redirects the root's children before it makes windows of its own: once these exist,
    # new windows are framed.
    wait_until 10 twm_ready || fail "twm did not start: $(cat "$E2E_TMP/twm.log")"
  fi
}

twm_ready() {
  kill -0 "$E2E_WM_PID" 2>/dev/null || fail "twm ended: $(cat "$E2E_TMP/twm.log")"
  local tree
  tree=$(xwininfo -root -children)
  ! grep -q '^ *0 children' <<<"$tree"
}

source "$(dirname "${BASH_SOURCE[0]}")/../support/wait_until.sh"

# dialog_has_focus: whether the keys go to the dialog.
dialog_has_focus() {
  local focus dialog
  focus=$(xdotool getwindowfocus 2>/dev/null) || return 1
  dialog=$(xdotool search --onlyvisible --name '^Quorvane' 2>/dev/null) || return 1
  [ "$focus" = "$dialog" ]
}

# wait_dialog_focus: waits until the keys go to the dialog.
wait_dialog_focus() {
  wait_until 5 dialog_has_focus || fail "the dialog did not take the keyboard focus"
}

# start_window TITLE [more x11_test_window options]: prints the id of a new helper window; its
# process is in LAST_WINDOW_PID. Call it in the test's own shell (redirect to a file rather than
# use $(...)) so that the window is known and ended with the test.
start_window() {
  local title=$1
  shift
  local out="$E2E_TMP/window.$RANDOM"
  "$X11_TEST_WINDOW" --title "$title" "$@" >"$out" &
  E2E_PIDS+=($!)
  LAST_WINDOW_PID=$!
  local i
  for i in $(seq 100); do
    [ -s "$out" ] && break
    sleep 0.05
  done
  [ -s "$out" ] || fail "the helper window did not start"
  cat "$out"
}

# run_quorvane ARGS...: starts the binary in the background; its pid is in QUORVANE_PID.
run_quorvane() {
  "$QUORVANE" "$@" >"$E2E_TMP/quorvane.out" 2>"$E2E_TMP/quorvane.err" &
  QUORVANE_PID=$!
  E2E_PIDS+=($QUORVANE_PID)
}

# wait_exit PID SECONDS: waits for the process to end, prints its exit status and keeps it in
# EXIT_STATUS; fails when it is still running after that long. Call it in the shell that started
# the process (`wait_exit "$PID" 5 >/dev/null; [ "$EXIT_STATUS" = 0 ]`): inside $(...) the
# child's status cannot be collected.
wait_exit() {
  local pid=$1 limit=$2 waited=0
  while kill -0 "$pid" 2>/dev/null; do
    if [ "$(awk -v w="$waited" -v l="$limit" 'BEGIN{print (w >= l)}')" = 1 ]; then
      fail "process $pid still runs after ${limit}s"
    fi
    sleep 0.05
    waited=$(awk -v w="$waited" 'BEGIN{print w + 0.05}')
  done
  EXIT_STATUS=0
  wait "$pid" || EXIT_STATUS=$?
  echo "$EXIT_STATUS"
}

# window_ids TITLE: prints the ids of the windows with that exact title, one a line.
window_ids() {
  # xdotool takes a regular expression: the title's own "(C)" must match literally.
  local pattern
  pattern=$(printf '%s' "$1" | sed 's/[][\.*^$()+?{}|]/\\&/g')
  xdotool search --name "^$pattern\$" 2>/dev/null || true
}

# wait_for_window TITLE [SECONDS]: prints the id of the first window with that exact title.
wait_for_window() {
  local title=$1 limit=${2:-10} i
  for i in $(seq $((limit * 10))); do
    local id
    id=$(window_ids "$title")
    if [ -n "$id" ]; then
      echo "${id%%$'\n'*}"
      return 0
    fi
    sleep 0.1
  done
  fail "no window titled '$title' after ${limit}s"
}

# no_window TITLE: whether no window has that title.
no_window() {
  [ -z "$(window_ids "$1")" ]
}

# window_origin ID: prints the window's "X Y" on the screen.
window_origin() {
  local info
  info=$(xwininfo -id "$1")
  awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF } END { print x, y }' \
    <<<"$info"
}

# screenshot FILE: the whole screen as PNG.
screenshot() {
  import -display "$DISPLAY" -window root "$1"
}

# pixels FILE [WxH+X+Y]: prints "X Y R G B" for each pixel of the picture, or of that part of it
# (in the picture's coordinates), row by row. Raw 8-bit sRGB bytes read the same from ImageMagick
# 6 and 7, whereas its text format does not: version 7 prints a grey picture's pixels as one
# channel.
pixels() {
  local raw x=0 y=0 width
  raw=$(mktemp -p "$E2E_TMP" pixels.XXXXXX)
  if [ -n "${2:-}" ]; then
    local origin=${2#*+}
    x=${origin%+*} y=${origin#*+}
  fi
  width=$(convert "$1" ${2:+-crop "$2" +repage} -colorspace sRGB -type TrueColor -depth 8 \
    -write "rgb:$raw" -format %w info:)
  od -An -v -tu1 -w3 "$raw" |
    awk -v w="$width" -v x="$x" -v y="$y" '{ i = NR - 1; print x + i % w, y + int(i / w), $1, $2, $3 }'
  rm -f "$raw"
}

# pixel FILE X Y: prints "R G B" of one pixel.
pixel() {
  pixels "$1" "1x1+$2+$3" | cut -d ' ' -f 3-
}

# wait_pixel FILE X Y "R G B": polls screenshots into FILE until that pixel has that colour.
wait_pixel() {
  local i
  for i in $(seq 50); do
    screenshot "$1"
    [ "$(pixel "$1" "$2" "$3")" = "$4" ] && return 0
    sleep 0.1
  done
  fail "pixel $2,$3 is ($(pixel "$1" "$2" "$3")), not ($4)"
}

# wait_sun FILE X Y: polls screenshots into FILE until the Sun's orange is at X,Y.
wait_sun() {
  wait_pixel "$1" "$2" "$3" "255 96 0"
}

# expect_pixel FILE X Y "R G B" [TOLERANCE]
expect_pixel() {
  local actual
  actual=$(pixel "$1" "$2" "$3")
  awk -v a="$actual" -v e="$4" -v t="${5:-0}" 'BEGIN {
    split(a, x, " "); split(e, y, " ");
    for (i = 1; i <= 3; i++) { d = x[i] - y[i]; if (d < 0) d = -d; if (d > t) exit 1 }
  }' || fail "pixel $2,$3 of $1 is ($actual), expected ($4)"
}
