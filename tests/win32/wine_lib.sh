# Shared by the end-to-end tests of Quorvane.scr under Wine: sourced with the build folder as $1.
# Needs an X display and a Wine prefix that run_wine_tests.sh prepared; each test runs alone.
set -euo pipefail

QV_BUILD=$(cd "$1" && pwd)
QV_SCR=$QV_BUILD/Quorvane.scr
export WINEPREFIX=${WINEPREFIX:-$QV_BUILD/wineprefix}
export WINEDEBUG=-all
QV_CONFIG_KEY='HKCU\Software\Quorvane\Config'
QV_MAIN_TITLE='Quorvane \(C\) 2026'
QV_PIDS=()

# Ends what the test started, newest first, and puts the resolution back.
qv_cleanup() {
  local i
  for ((i = ${#QV_PIDS[@]} - 1; i >= 0; i--)); do
    kill "${QV_PIDS[$i]}" 2>/dev/null || true
  done
  [ -z "${QV_DPI_SET:-}" ] || set_dpi 96
}
trap qv_cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Starts Quorvane.scr with the arguments in the background; its pid in QV_PID.
start_scr() {
  wine "$QV_SCR" "$@" </dev/null >/dev/null 2>&1 &
  QV_PID=$!
  QV_PIDS+=("$QV_PID")
}

source "$(dirname "${BASH_SOURCE[0]}")/../support/wait_until.sh"

process_gone() { ! kill -0 "$1" 2>/dev/null; }

# Waits for the process to end; its exit status in EXIT_STATUS.
wait_exit() {
  wait_until 15 process_gone "$1" || fail "process $1 still runs"
  EXIT_STATUS=0
  wait "$1" || EXIT_STATUS=$?
}

window_shown() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }

screenshot() { import -window root "$1"; }

# The colour of one pixel of a picture, as RRGGBB.
pixel() { convert "$1" -format "%[hex:u.p{$2,$3}]" info:; }

# The text stored in [Config] under the name, or nothing.
config_value() {
  wine reg query "$QV_CONFIG_KEY" /v "$1" 2>/dev/null | tr -d '\r' |
    awk -v name="$1" '$1 == name && $2 == "REG_SZ" { sub(/^[^R]*REG_SZ[ \t]*/, ""); print }'
}

# The screen's dots per inch for the programs started from now on (96 is 100 %); the test's end
# puts 96 back.
set_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  QV_DPI_SET=1
}

# Runs the command on a Japanese system: the locale ja_JP.UTF-8, made once into the build folder.
japanese() {
  local locales=$QV_BUILD/locale
  mkdir -p "$locales"
  [ -d "$locales/ja_JP.UTF-8" ] || localedef -i ja_JP -f UTF-8 "$locales/ja_JP.UTF-8" 2>/dev/null ||
    [ -d "$locales/ja_JP.UTF-8" ] || fail "cannot make the locale ja_JP.UTF-8 (package locales)"
  LOCPATH=$locales LANG=ja_JP.UTF-8 LC_ALL= "$@"
}

clear_store() { wine reg delete 'HKCU\Software\Quorvane' /f >/dev/null 2>&1 || true; }
