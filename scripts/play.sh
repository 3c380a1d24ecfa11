#!/usr/bin/env bash
# Builds the windowed game and starts it on the shipped data. Arguments go to the game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DGOLMOK_TESTS=OFF -DGOLMOK_BENCH=OFF
cmake --build build/release -j2
exec build/release/bin/golmok "$@"
