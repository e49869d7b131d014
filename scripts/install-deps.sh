#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing:
# everything scripts/run.sh, scripts/test.sh and scripts/screenshot.sh call
# beyond the tools of every Debian system (bash, coreutils, findutils, grep,
# dpkg, apt).
set -euo pipefail

packages=(cmake ninja-build g++ libgtest-dev libbenchmark-dev clang clang-format libclang-rt-14-dev
          unixodbc unixodbc-dev libsqliteodbc libsqlite3-dev libedit-dev
          qt6-base-dev qt6-multimedia-dev gstreamer1.0-plugins-good xvfb xauth imagemagick fonts-dejavu-core)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
    || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
