#!/usr/bin/env bash
# The balance report on the shipped world: seven idle-player games, one chart each in
# bench/balance/, the table on standard output. Exit status 1 when a target is missed.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build >/dev/null
cmake --build build -j2 --target golmok-balance >/dev/null
build/bin/golmok-balance data bench/balance
