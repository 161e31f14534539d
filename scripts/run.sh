#!/usr/bin/env bash
# Installs what is missing, builds, and starts the screen saver with the given arguments
# (none: the settings dialog; /s full screen; /c settings; /p <window id> preview).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# The tests need packages the run command does not install: a build folder set up by
# scripts/test.sh keeps them, a fresh one leaves them out.
tests=OFF
grep -qs '^QUORVANE_BUILD_TESTS:BOOL=ON' build/CMakeCache.txt && tests=ON
cmake --preset default -DQUORVANE_BUILD_TESTS=$tests >/dev/null
cmake --build --preset default --target quorvane -j "$(nproc)"
exec build/quorvane "$@"
