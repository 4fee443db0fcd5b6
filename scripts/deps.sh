#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing.
set -euo pipefail
packages=(cmake g++ make ccache qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
          libpng-dev zlib1g-dev xfonts-75dpi
          # the format check, and the sanitizer and fuzz build
          clang-format-14 clang-14 libclang-rt-14-dev
          # the tests: the desktop runs, the install check's validators, the package build
          xvfb python3 openbox xdotool x11-utils x11-xserver-utils imagemagick
          desktop-file-utils appstream shared-mime-info dpkg-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
