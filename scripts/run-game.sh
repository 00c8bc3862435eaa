#!/usr/bin/env bash
# Installs the dependencies, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DZENTHAR_TESTS=OFF -DZENTHAR_BENCH=OFF
cmake --build build --target zenthar
exec build/bin/zenthar
