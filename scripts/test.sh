#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGOLMOK_WERROR=ON
cmake --build build/test -j2
ctest --test-dir build/test --output-on-failure -j2
