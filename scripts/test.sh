#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGOLMOK_WERROR=ON
cmake --build build/test -j2
ctest --test-dir build/test --output-on-failure -j2

# The core's tests and the console scripts once more under AddressSanitizer and
# UndefinedBehaviorSanitizer: any report fails the run.
cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DGOLMOK_WERROR=ON -DGOLMOK_SANITIZE=ON \
  -DGOLMOK_BENCH=OFF -DGOLMOK_SCREENS=OFF
cmake --build build/sanitize -j2
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build/sanitize --output-on-failure -j2

# The slot loader and the record-file reader under libFuzzer: 60 s each (scripts/fuzz.sh).
scripts/fuzz.sh 60
