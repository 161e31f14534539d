#!/usr/bin/env bash
# Runs the Wine tests of an x86-64 Windows build: prepares a private Wine prefix in the build
# folder (once), starts a virtual display and a persistent wineserver for the run, then ctest.
#   tests/win32/run_wine_tests.sh <build folder> [ctest arguments]
set -euo pipefail
build=$(cd "$1" && pwd)
shift
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all
# No Mono or Gecko: the prefix must not ask to download them.
export WINEDLLOVERRIDES="mscoree,mshtml="

display=:$((100 + RANDOM % 400))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >"$build/xvfb.log" 2>&1 &
xvfb=$!
export DISPLAY=$display
finish() {
  wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap finish EXIT
for _ in $(seq 100); do
  xdpyinfo >/dev/null 2>&1 && break
  sleep 0.1
done

if [ ! -f "$WINEPREFIX/.quorvane-ready" ]; then
  wineboot -i </dev/null >/dev/null 2>&1
  add() { wine reg add "$1" /v "$2" /d "$3" /f </dev/null >/dev/null 2>&1; }
  # Windows drawn by Wine itself, with no window manager to wait for.
  add 'HKCU\Software\Wine\X11 Driver' Managed N
  # The faces the program names, from the fonts Debian installs.
  add 'HKCU\Software\Wine\Fonts\Replacements' 'MS UI Gothic' 'Noto Sans CJK JP'
  add 'HKCU\Software\Wine\Fonts\Replacements' 'Times New Roman' 'Liberation Serif'
  # Wine's own fonts, without which caption buttons draw as letters.
  cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  wineserver -w
  touch "$WINEPREFIX/.quorvane-ready"
fi

# Wine's background services start with the first program and outlive it; started here, they
# do not hold ctest's output open.
wineserver -p
wine cmd /c exit </dev/null >/dev/null 2>&1
ctest --test-dir "$build" -L wine --output-on-failure "$@"
