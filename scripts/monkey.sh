#!/bin/sh
# Runs the random-edit test longer than `make test` does, under AddressSanitizer
# and UndefinedBehaviorSanitizer:
#
#   scripts/monkey.sh SEED COUNT
#
# COUNT operations from SEED in the sanitizer build (build-asan/, or
# QUOR_MONKEY_BUILD), configured and built first where needed. A failure prints
# the seed, the operation and the operations that led to it.
set -eu

[ $# -eq 2 ] || { echo "usage: $0 SEED COUNT" >&2; exit 2; }

root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUOR_MONKEY_BUILD:-$root/build-asan}

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUOR_SANITIZE=ON -DQUOR_WITH_GUI=OFF
fi
cmake --build "$build" --target monkey_tests
QUOR_MONKEY_SEED=$1 QUOR_MONKEY_COUNT=$2 ASAN_OPTIONS=detect_leaks=1 "$build/tests/monkey_tests"
