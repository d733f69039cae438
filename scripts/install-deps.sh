#!/usr/bin/env bash
# Installs the Debian packages RavloViewer needs to build, run and test.
# Runs apt-get only for what is missing, so a second run costs nothing.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libqt6opengl6-dev
  libgl-dev libglu1-mesa-dev libgl1-mesa-dri
  libpolyclipping-dev fonts-liberation
  googletest libgtest-dev libbenchmark-dev
  xvfb xauth
)
if [ "${1:-}" = "--test" ]; then
  packages+=(clang-format view3dscene poppler-utils clang libclang-rt-14-dev desktop-file-utils shared-mime-info)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
