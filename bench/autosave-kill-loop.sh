#!/usr/bin/env bash
# Kills a game with SIGKILL at random moments while it ends turns with 자동저장 on (the autosave
# written behind each turn end, as in the windows), KILLS times, and after each kill loads the
# autosave slot: a slot that does not load is broken, a chronicle that no longer reaches back to
# the game's first week is lost. Both counts must be 0.
# Usage: bench/autosave-kill-loop.sh [KILLS] [BUILD_DIR]   (default 200, build/test)
set -euo pipefail
cd "$(dirname "$0")/.."
kills=${1:-200}
build=${2:-build/test}
tool=$build/bin/golmok-autosave-loop
[ -x "$tool" ] || { echo "no $tool: build the target golmok-autosave-loop first"; exit 1; }
folder=$(mktemp -d "${TMPDIR:-/tmp}/golmok-kill-loop-XXXXXX")
trap 'rm -rf "$folder"' EXIT

lost=0
broken=0
for i in $(seq "$kills"); do
  "$tool" play "$folder" &
  pid=$!
  # 20 to 300 ms: start-up, loading, and some tens of autosaving turn ends.
  sleep "$(awk -v r=$RANDOM 'BEGIN { printf "%.3f", 0.02 + 0.28 * r / 32767 }')"
  kill -KILL "$pid"
  wait "$pid" 2>/dev/null || true
  status=0
  line=$("$tool" check "$folder") || status=$?
  if [ "$status" = 1 ]; then lost=$((lost + 1)); echo "kill $i: chronicle lost ($line)"; fi
  if [ "$status" = 2 ]; then broken=$((broken + 1)); echo "kill $i: $line"; fi
done
echo "kills: $kills, last: $line, chronicles lost: $lost, slots broken: $broken"
[ "$lost" = 0 ] && [ "$broken" = 0 ]
