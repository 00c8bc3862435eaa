#!/usr/bin/env bash
# Builds the saved-game fuzzer with clang and runs it over a corpus of valid saved games:
#   tools/fuzz/run.sh [runs]        (default 100000 inputs)
# A crash, a hang (-timeout), a refused file that changed the running game or an accepted one
# that does not come back whole stops it with a reproducer file.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${ZENTHAR_FUZZ_BUILD:-$root/build-fuzz}
CXX=clang++ cmake -S "$root/tools/fuzz" -B "$build" -G Ninja >/dev/null
ninja -C "$build" -j2 saveload_fuzzer
corpus=$build/corpus
mkdir -p "$corpus"
ZENTHAR_FUZZ_SEEDS="$corpus" "$build/saveload_fuzzer" -runs=0 "$corpus" >/dev/null 2>&1 || true
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
exec "$build/saveload_fuzzer" -runs="${1:-100000}" -max_len=65536 -timeout=10 \
  -rss_limit_mb=4096 -artifact_prefix="$build/" "$corpus"
