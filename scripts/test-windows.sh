#!/usr/bin/env bash
# Installs what is missing, then cross-builds the core and its unit tests for 32-bit and 64-bit
# Windows with MinGW-w64 and checks each unit_tests.exe: the expected PE format, and only system
# DLLs imported, the MinGW runtime being linked in. Running the tests needs Windows.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-missing.sh cmake make libgtest-dev \
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix

# Builds a preset and checks its unit_tests.exe with the target's objdump.
build_and_check() {
  local preset=$1 triple=$2 format=$3
  local exe=build-$preset/tests/unit_tests.exe header imports
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$(nproc)"

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
}

build_and_check windows-i686 i686-w64-mingw32 pei-i386
build_and_check windows-x86_64 x86_64-w64-mingw32 pei-x86-64
