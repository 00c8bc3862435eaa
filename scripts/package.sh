#!/usr/bin/env bash
# Installs the dependencies, builds the game for release, makes the Debian package
# build-release/zenthar_<version>_amd64.deb and checks it with lintian.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh lintian dpkg-dev file
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZENTHAR_TESTS=OFF \
      -DZENTHAR_BENCH=OFF
cmake --build build-release
(cd build-release && cpack -G DEB)
lintian --info build-release/zenthar_*_amd64.deb
