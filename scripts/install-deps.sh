#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages that building, running and testing need, when missing,
# together with any further packages named as arguments.
set -euo pipefail

exec "$(dirname "$0")/install-missing.sh" \
  cmake g++ make pkg-config \
  qt6-base-dev qt6-qpa-plugins libx11-dev \
  libgtest-dev libbenchmark-dev \
  xvfb xauth xdotool x11-utils imagemagick twm \
  fonts-noto-cjk fonts-liberation fonts-dejavu-core \
  "$@"
