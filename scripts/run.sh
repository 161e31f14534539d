#!/usr/bin/env bash
# Installs what is missing, builds, and starts the screen saver with the given arguments
# (none: the settings dialog; /s full screen; /c settings; /p <window id> preview).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target quorvane -j "$(nproc)"
exec build/quorvane "$@"
