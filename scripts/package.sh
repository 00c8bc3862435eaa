#!/usr/bin/env bash
# Installs the dependencies, builds the game for release with Debian's hardening flags, makes the
# Debian package build-release/zenthar_<version>_amd64.deb and checks it with lintian, which must
# find no missing hardening.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh lintian dpkg-dev file
# Every hardening feature, the bind-now linking and the fortified functions among them.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZENTHAR_TESTS=OFF \
      -DZENTHAR_BENCH=OFF "-DCMAKE_CXX_FLAGS=$cxxflags" "-DCMAKE_EXE_LINKER_FLAGS=$ldflags"
cmake --build build-release
(cd build-release && cpack -G DEB)
status=0
lintian --info build-release/zenthar_*_amd64.deb >build-release/lintian.txt 2>&1 || status=$?
cat build-release/lintian.txt
if grep -q 'hardening-' build-release/lintian.txt; then
  echo "package.sh: lintian finds hardening missing" >&2
  exit 1
fi
exit "$status"
