#!/usr/bin/env bash
# Installs every Debian package the game, its tests and its tools need, and any named on the
# command line.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
packages=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-multimedia-dev qt6-charts-dev libqt6opengl6-dev
          libsqlite3-dev zlib1g-dev libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth xdg-utils clang
          desktop-file-utils appstream clang-format
          python3 "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
