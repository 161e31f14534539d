# Helpers of the Wayland end-to-end tests, on top of ../e2e/lib.sh: a private headless sway with
# two outputs (HEADLESS-1 1024x768 at scale 1, HEADLESS-2 800x600 at scale 2, logically 400x300
# to its right), a keyboard and a pointer in its seat, and screenshots of one output.
# The test's environment provides QUORVANE, VIRTUAL_POINTER and COLOUR_WINDOW.
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"
SAVER_TITLE="Quorvane (C) 2026 Quorvane Works"
SUN="255 96 0"
# The desktop's colour, wherever nothing covers it.
DESKTOP_COLOUR='#00ff00'

# sway_run COMMAND...: runs a sway IPC command.
sway_run() {
  swaymsg "$@" >/dev/null
}

# sway_start [OUTPUT_LINES]: starts sway as an unprivileged user (it refuses to run as root) in a
# runtime folder of its own; root's clients connect to its socket by its full path. OUTPUT_LINES,
# one sway `output` command a line, replace the two outputs. The outputs are made one after
# another, so that clients learn of them in the order of the lines on every version of sway
# (sway 1.10 announces the outputs it starts with in reverse): the first line's output is the
# one the saver calls first, and it has the focus.
sway_start() {
  local outputs=${1:-"output HEADLESS-1 mode 1024x768 position 0 0 scale 1 bg $DESKTOP_COLOUR solid_color
output HEADLESS-2 mode 800x600 position 1024 0 scale 2 bg $DESKTOP_COLOUR solid_color"}
  command -v sway >/dev/null || fail "sway is not installed (scripts/install-deps.sh --test)"
  chmod 755 "$E2E_TMP"
  local dir="$E2E_TMP/sway"
  mkdir -m 700 "$dir"
  chown nobody:nogroup "$dir"
  cat >"$E2E_TMP/sway.config" <<CONFIG
xwayland disable
$outputs
default_border none
CONFIG
  chmod 644 "$E2E_TMP/sway.config"
  env -i PATH="$PATH" XDG_RUNTIME_DIR="$dir" WLR_BACKENDS=headless WLR_RENDERER=pixman \
    WLR_HEADLESS_OUTPUTS=1 WLR_LIBINPUT_NO_DEVICES=1 \
    setpriv --reuid=nobody --regid=nogroup --clear-groups sway -c "$E2E_TMP/sway.config" \
    >"$E2E_TMP/sway.log" 2>&1 &
  E2E_PIDS+=($!)
  SWAY_PID=$!
  local i socket=""
  for i in $(seq 100); do
    socket=$(find "$dir" -maxdepth 1 -name 'wayland-*' -type s | head -n 1)
    SWAYSOCK=$(find "$dir" -maxdepth 1 -name 'sway-ipc.*.sock' -type s | head -n 1)
    [ -n "$socket" ] && [ -n "$SWAYSOCK" ] && break
    kill -0 "$SWAY_PID" 2>/dev/null || fail "sway ended: $(cat "$E2E_TMP/sway.log")"
    sleep 0.1
  done
  [ -n "$socket" ] || fail "sway did not start: $(cat "$E2E_TMP/sway.log")"
  export WAYLAND_DISPLAY="$socket" SWAYSOCK
  unset DISPLAY
  local count made
  count=$(grep -c . <<<"$outputs")
  for ((made = 1; made < count; made++)); do
    sway_run create_output
    for i in $(seq 100); do
      [ "$(swaymsg -t get_outputs | grep -c '"name": "HEADLESS-')" -gt "$made" ] && break
      sleep 0.05
    done
  done
  sway_run focus output "$(head -n 1 <<<"$outputs" | awk '{ print $2 }')"
  # The last output at its size, and the desktop drawn where it has one.
  local last name size
  last=$(tail -n 1 <<<"$outputs")
  name=$(awk '{ print $2 }' <<<"$last")
  size=$(awk '{ for (i = 1; i < NF; i++) if ($i == "mode") print $(i + 1) }' <<<"$last")
  for i in $(seq 100); do
    shoot "$name" "$E2E_TMP/output.png" 2>/dev/null &&
      [ "$(identify -format %wx%h "$E2E_TMP/output.png")" = "$size" ] && break
    sleep 0.1
  done
  [ "$(identify -format %wx%h "$E2E_TMP/output.png")" = "$size" ] || fail "$name is not $size"
  rm -f "$E2E_TMP/pointer.in" "$E2E_TMP/pointer.out"
  if [[ $last == *" bg "* ]]; then
    wait_output_colour "$name" 0 0 "0 255 0"
  fi
  # A keyboard in the seat for the whole test, as a real session has: a virtual keyboard that
  # waits an hour before its one key; keys are typed through further ones (`wtype a`).
  wtype -s 3600000 -k F24 &
  E2E_PIDS+=($!)
  SWAY_HELPERS=($!)
  # A pointer likewise, moved by pointer_do.
  mkfifo "$E2E_TMP/pointer.in"
  # Opened for reading and writing, so that opening it cannot wait for the other end.
  "$VIRTUAL_POINTER" <>"$E2E_TMP/pointer.in" >"$E2E_TMP/pointer.out" &
  E2E_PIDS+=($!)
  SWAY_HELPERS+=($!)
  exec {POINTER_IN}>"$E2E_TMP/pointer.in"
  for i in $(seq 100); do
    grep -q ready "$E2E_TMP/pointer.out" && break
    sleep 0.05
  done
  grep -q ready "$E2E_TMP/pointer.out" || fail "the virtual pointer did not start"
  POINTER_DONE=0
  for i in $(seq 100); do
    swaymsg -t get_seats | tr -d ' \n' | grep -q '"capabilities":3' && return 0
    sleep 0.05
  done
  fail "the seat has no keyboard and pointer: $(swaymsg -t get_seats)"
}

# sway_stop: ends sway and the keyboard and pointer started with it, for another sway_start.
sway_stop() {
  exec {POINTER_IN}>&-
  kill "${SWAY_HELPERS[@]}" "$SWAY_PID" 2>/dev/null || true
  wait "${SWAY_HELPERS[@]}" "$SWAY_PID" 2>/dev/null || true
  rm -rf "$E2E_TMP/sway"
}

# pointer_do COMMAND: a line for the virtual pointer ("move DX DY", "click"); returns once the
# compositor has handled it.
pointer_do() {
  echo "$*" >&"$POINTER_IN"
  POINTER_DONE=$((POINTER_DONE + 1))
  local i
  for i in $(seq 200); do
    [ "$(grep -c done "$E2E_TMP/pointer.out")" -ge "$POINTER_DONE" ] && return 0
    sleep 0.01
  done
  fail "the virtual pointer did not answer '$*'"
}

# shoot OUTPUT FILE: a screenshot of one output, in its device pixels.
shoot() {
  grim -o "$1" "$2"
}

# wait_output_colour OUTPUT X Y "R G B": polls screenshots until that pixel has that colour.
wait_output_colour() {
  local i shot="$E2E_TMP/wait.png"
  for i in $(seq 100); do
    shoot "$1" "$shot" 2>/dev/null && [ "$(pixel "$shot" "$2" "$3")" = "$4" ] && return 0
    sleep 0.1
  done
  fail "pixel $2,$3 of $1 is ($(pixel "$shot" "$2" "$3")), expected ($4)"
}

# count_colour FILE COLOUR: the number of pixels of that colour in the picture.
count_colour() {
  convert "$1" -fill black +opaque "$2" -fill white -opaque "$2" \
    -format '%[fx:round(mean*w*h)]' info:
}

# wait_covered OUTPUT: polls screenshots of the output until neither the desktop nor the other
# program's window shows anywhere on it.
wait_covered() {
  local i shot="$E2E_TMP/covered-$1.png" desktop window
  for i in $(seq 100); do
    shoot "$1" "$shot"
    desktop=$(count_colour "$shot" "$DESKTOP_COLOUR")
    window=$(count_colour "$shot" '#ff00ff')
    [ "$desktop" = 0 ] && [ "$window" = 0 ] && return 0
    sleep 0.1
  done
  fail "$1 is not covered: $desktop desktop and $window window pixels show"
}

# start_saver CONFIG_LINES...: writes [Config] with the lines, starts `quorvane /s` and waits for
# the Sun at the centre of the first output.
start_saver() {
  mkdir -p "$(dirname "$INI")"
  printf '[Config]\n' >"$INI"
  printf '%s\n' "$@" >>"$INI"
  run_quorvane /s
  wait_output_colour HEADLESS-1 512 384 "$SUN"
}

# expect_exit WHAT SECONDS [STATUS]: the saver must end with that status (0 unless given) within
# SECONDS.
expect_exit() {
  wait_exit "$QUORVANE_PID" "$2" >"$E2E_TMP/status"
  [ "$(cat "$E2E_TMP/status")" = "${3:-0}" ] ||
    fail "$1: the saver ended with status $(cat "$E2E_TMP/status"): $(cat "$E2E_TMP/quorvane.err")"
}
