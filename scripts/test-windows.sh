#!/usr/bin/env bash
# Installs what is missing, then cross-builds the core, its unit tests and Quorvane.scr for
# 32-bit and 64-bit Windows with MinGW-w64 and checks each program: the expected PE format, and
# only system DLLs imported, the MinGW runtime being linked in. The 64-bit build's tests then run
# under Wine on a virtual display: the unit tests and end-to-end tests of Quorvane.scr, and the
# comparison of its pictures with the Linux program's snapshots, for which the Linux program is
# built too. (This machine cannot run 32-bit Windows code; never install wine32, which breaks the
# wine command.)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-missing.sh cmake make libgtest-dev \
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix \
  wine64 wine fonts-wine xvfb x11-utils xdotool imagemagick fonts-noto-cjk fonts-liberation locales

# The DLLs Quorvane.scr may import: Windows' own and its C runtime.
allowed_imports='^(kernel32|user32|gdi32|advapi32|shell32|msvcrt|ucrtbase|api-ms-win-crt-[a-z0-9-]+)\.dll$'

# Checks a program's format and imports with the target's objdump; `strict` allows only the
# DLLs above, otherwise anything but the MinGW runtime.
check_program() {
  local exe=$1 triple=$2 format=$3 strict=${4:-} header imports
  header=$("$triple-objdump" -f "$exe")
  if ! grep -q "file format $format\$" <<<"$header"; then
    echo "$exe is not $format:" >&2
    echo "$header" >&2
    return 1
  fi
  imports=$("$triple-objdump" -p "$exe" | sed -n 's/^\tDLL Name: //p')
  echo "$exe: $format, imports ${imports//$'\n'/ }"
  # Windows' own DLLs are never named lib*; MinGW's runtime DLLs all are.
  if grep -i '^lib' <<<"$imports" >&2; then
    echo "$exe needs the MinGW runtime DLLs above: it must link them statically" >&2
    return 1
  fi
  if [ -n "$strict" ] && grep -viE "$allowed_imports" <<<"$imports" >&2; then
    echo "$exe imports the DLLs above, which it must not need" >&2
    return 1
  fi
}

build_and_check() {
  local preset=$1 triple=$2 format=$3
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$(nproc)"
  check_program "build-$preset/tests/unit_tests.exe" "$triple" "$format"
  check_program "build-$preset/Quorvane.scr" "$triple" "$format" strict
}

build_and_check windows-i686 i686-w64-mingw32 pei-i386
build_and_check windows-x86_64 x86_64-w64-mingw32 pei-x86-64
# The Linux program, whose snapshots the Windows pictures are compared with.
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target quorvane parity_check
QUORVANE_LINUX_BUILD=$PWD/build tests/win32/run_wine_tests.sh build-windows-x86_64
