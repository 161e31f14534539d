# Under a window manager the settings dialog is centred on the screen frame and all.
source "$(dirname "$0")/lib.sh"
e2e_start 1024x768 --wm

run_quorvane /c
id=$(wait_for_window "Quorvaneの設定")
# The frame is the window manager's window around the dialog, a child of the root.
frame=$id
for i in $(seq 5); do
  parent=$(xwininfo -tree -id "$frame" | awk '/Parent window id:/ { print $4 }')
  root=$(xwininfo -tree -id "$frame" | awk '/Root window id:/ { print $4 }')
  [ "$parent" = "$root" ] && break
  frame=$parent
done
[ "$frame" != "$id" ] || fail "twm did not frame the dialog"

# frame_centre: "X Y" of the frame's centre, outer border included.
frame_centre() {
  xwininfo -id "$frame" | awk '
    /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
    /Border width/ { b = $NF } /^ *Width/ { w = $NF } /^ *Height/ { h = $NF }
    END { printf "%d %d\n", x - b + (w + 2 * b) / 2, y - b + (h + 2 * b) / 2 }'
}
centred=
for i in $(seq 30); do
  read -r cx cy < <(frame_centre)
  if [ $((cx > 512 ? cx - 512 : 512 - cx)) -le 2 ] && [ $((cy > 384 ? cy - 384 : 384 - cy)) -le 2 ]; then
    centred=1
    break
  fi
  sleep 0.1
done
[ -n "$centred" ] || fail "the dialog's frame is centred at $cx,$cy, not 512,384"

xdotool key Escape
wait_exit "$QUORVANE_PID" 2 >/dev/null
echo "dialog with a window manager: all checks passed"
