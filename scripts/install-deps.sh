#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages that building and running need, when missing; with --test
# first, also those the tests, the benchmarks and the Debian package need; then any further
# packages named as arguments.
set -euo pipefail

test_packages=()
if [ "${1:-}" = --test ]; then
  shift
  test_packages=(
    libgtest-dev libbenchmark-dev
    xvfb xauth xdotool x11-utils x11-xserver-utils imagemagick twm xscreensaver procps
    dpkg-dev lintian desktop-file-utils mandoc libxml2-utils
    sway swaybg grim wtype
  )
fi

exec "$(dirname "$0")/install-missing.sh" \
  cmake g++ make pkg-config \
  qt6-base-dev qt6-qpa-plugins libx11-dev \
  libwayland-dev libwayland-bin wayland-protocols qt6-wayland \
  fonts-noto-cjk fonts-liberation fonts-dejavu-core \
  "${test_packages[@]}" "$@"
