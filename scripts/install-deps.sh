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
  fonts-liberation fonts-urw-base35 fonts-dejavu-core fonts-noto-color-emoji
  xvfb xauth python3
  openbox xdotool x11-utils  # a window manager and a hand on the keys for the real-window tests
  pulseaudio pulseaudio-utils  # a sound server of the tests' own, and its recorder
  desktop-file-utils appstream
)
case ${1:-} in
  # `install-deps.sh bench`: also what the window's benchmark drives it with.
  bench) packages+=(libx11-dev xdotool) ;;
  # `install-deps.sh packaging`: also the checker distributions run on packages.
  packaging) packages+=(lintian) ;;
  # `install-deps.sh habits`: the second compiler, the formatter and the linter.
  habits) packages+=(clang clang-format clang-tidy git) ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || {
    echo "install-deps: these Debian packages are missing: ${missing[*]}" >&2
    echo "install-deps: run 'make' as root, or install sudo (as root: apt-get install sudo) and add yourself to its group" >&2
    exit 1
  }
  sudo=sudo
  echo "install-deps: installing with sudo (it may ask for your password)" >&2
fi
export DEBIAN_FRONTEND=noninteractive
echo "install-deps: ${#missing[@]} packages missing: ${missing[*]}" >&2
echo "install-deps: reading Debian's package lists (apt-get update)" >&2
$sudo apt-get update -q | { grep -v '^\(Hit\|Reading\)' || true; } >&2
# What apt will fetch, in packages and bytes, before it fetches it.
summary=$($sudo apt-get install -s --no-install-recommends "${missing[@]}" 2>/dev/null | grep -c '^Inst ' || true)
echo "install-deps: installing ${summary:-the} packages in all (these and what they need); apt shows its progress" >&2
$sudo apt-get install -y --no-install-recommends -o Dpkg::Progress-Fancy=0 "${missing[@]}" |
  { grep -E '^(Need to get|After this operation|Get:[0-9]+|Setting up)' || true; } >&2
echo "install-deps: done" >&2
