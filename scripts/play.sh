#!/usr/bin/env bash
# Builds the windowed game (only what playing needs: no tests, no benchmarks) and starts it on the
# shipped data. Arguments go to the game. The games are saved in the player's data folder
# ($XDG_DATA_HOME/golmok, by default ~/.local/share/golmok), never in the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh play
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DGOLMOK_TESTS=OFF -DGOLMOK_BENCH=OFF
cmake --build build/release -j2
exec build/release/bin/golmok "$@"
