#!/usr/bin/env bash
# Kills a game with SIGKILL at random moments while it ends turns with 자동저장 on (the autosave
# written behind each turn end, as in the windows), saves into slots 0 to 2 and starts new games
# saved over the old ones' slots, KILLS times; with FAULTS = N one file operation in N fails (a
# full disk, an I/O error, a size limit). After each kill it loads every slot: a slot that does not
# load is broken; a chronicle that no longer reaches back to its game's first week, news missing
# beside a slot, or a word at load about a file that could not be read, is lost. Both counts must
# be 0.
# Usage: bench/autosave-kill-loop.sh [KILLS] [BUILD_DIR] [FAULTS]   (default 200, build/test, 0)
set -euo pipefail
cd "$(dirname "$0")/.."
kills=${1:-200}
build=${2:-build/test}
faults=${3:-0}
tool=$build/bin/golmok-autosave-loop
[ -x "$tool" ] || { echo "no $tool: build the target golmok-autosave-loop first"; exit 1; }
folder=$(mktemp -d "${TMPDIR:-/tmp}/golmok-kill-loop-XXXXXX")
trap 'rm -rf "$folder"' EXIT

lost=0
broken=0
for i in $(seq "$kills"); do
  "$tool" play "$folder" "$faults" &
  pid=$!
  # 20 to 300 ms: start-up, loading, and some tens of autosaving turn ends.
  sleep "$(awk -v r=$RANDOM 'BEGIN { printf "%.3f", 0.02 + 0.28 * r / 32767 }')"
  kill -KILL "$pid"
  wait "$pid" 2>/dev/null || true
  status=0
  line=$("$tool" check "$folder") || status=$?
  if [ "$status" = 1 ]; then lost=$((lost + 1)); echo "kill $i: lost beside a slot ($line)"; fi
  if [ "$status" = 2 ]; then broken=$((broken + 1)); echo "kill $i: $line"; fi
done
if [ "$faults" = 0 ]; then failing="none"; else failing="1 operation in $faults"; fi
echo "kills: $kills, faults: $failing, last check: $line, lost beside a slot: $lost, slots broken: $broken"
[ "$lost" = 0 ] && [ "$broken" = 0 ]
