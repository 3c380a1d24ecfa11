#!/usr/bin/env bash
# The balance report on the shipped world: for each gang in the player's hands an idle and an
# active game under six rule sets (every opt-in rule off; 초반 휴전, 강한 조직 and 살아있는 세계
# each alone; the first two together; all three), then the idle and active games of five worlds
# with all three on. Writes twelve charts and the tables (tables.md) into bench/balance/ and
# prints the tables. Runs at low priority (the machine is shared). Exit status 1 while a goal is missed with all three rules on.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build >/dev/null
nice cmake --build build -j2 --target golmok-balance >/dev/null
nice build/bin/golmok-balance data bench/balance | tee bench/balance/tables.md
