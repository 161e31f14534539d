#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages that building, running and testing need, when missing,
# together with any further packages named as arguments.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-qpa-plugins libx11-dev
  libgtest-dev libbenchmark-dev
  xvfb xauth xdotool x11-utils imagemagick twm
  fonts-noto-cjk fonts-liberation fonts-dejavu-core
  "$@"
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y \
  --no-install-recommends "${missing[@]}"
