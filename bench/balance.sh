#!/usr/bin/env bash
# The balance report on the shipped world: for each gang in the player's hands an idle and an
# active game, with the opt-in rules off and on. Writes four charts into bench/balance/ and prints
# the tables. Runs at low priority (the machine is shared). Exit status 1 while a goal is missed
# with the rules on.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build >/dev/null
nice cmake --build build -j2 --target golmok-balance >/dev/null
nice build/bin/golmok-balance data bench/balance
