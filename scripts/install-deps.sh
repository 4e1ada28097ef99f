#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages the game needs to build, test and run. Idempotent,
# and quiet when everything is present.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-multimedia-dev
  libjpeg62-turbo-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fonts-urw-base35 fonts-dejavu-core
  xvfb xauth python3
  desktop-file-utils appstream
)
case ${1:-} in
  # `install-deps.sh bench`: also what the window's benchmark drives it with.
  bench) packages+=(libx11-dev xdotool) ;;
  # `install-deps.sh packaging`: also the checker distributions run on packages.
  packaging) packages+=(lintian) ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "install-deps: installing ${missing[*]}" >&2
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "install-deps: run as root or install sudo" >&2; exit 1; }
  sudo=sudo
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
