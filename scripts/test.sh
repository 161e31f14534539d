#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs the whole test suite: unit tests, window
# tests on Qt's offscreen platform, and end-to-end tests of the real binary under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --test
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"
ctest --preset default "$@"
