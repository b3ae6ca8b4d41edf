#!/usr/bin/env bash
# Installs every Debian package that building, testing and running the player needs.
# Only what is missing is installed; apt-get runs through sudo when we are not root.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-qpa-plugins
  libsdl2-dev libsndfile1-dev libfluidsynth-dev timgm6mb-soundfont
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-dejavu-core fonts-liberation2 fontconfig
  libx11-dev xvfb xauth x11-utils
  clang libclang-rt-14-dev
)
if [ "${QUILBY_EXTRA_PACKAGES:-}" ]; then
  read -r -a extra <<<"$QUILBY_EXTRA_PACKAGES"
  packages+=("${extra[@]}")
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
