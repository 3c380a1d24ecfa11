#!/usr/bin/env bash
# Fuzzes the slot loader, the record-file reader and the console with libFuzzer, the address sanitizer and the
# undefined-behaviour sanitizer: SECONDS seconds each (default 60), the three side by side. Needs clang (apt-get install
# clang). Exits non-zero when a target crashes, trips a sanitizer, hangs or breaks its checks; the
# input that did it is left in build/fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_CXX_COMPILER=clang++ -DGOLMOK_FUZZ=ON -DGOLMOK_TESTS=OFF -DGOLMOK_BENCH=OFF
cmake --build build/fuzz -j2 --target SlotFuzz RecordFileFuzz ConsoleFuzz
# The three run side by side, each for SECONDS seconds, each with its own log; a target that
# fails has its log's end shown.
run() {
  local target="$1"
  shift
  # New inputs go to a scratch corpus in the build folder; the seeds in the repository stay small.
  mkdir -p "build/fuzz/corpus-$target"
  (cd build/fuzz && "./bin/$target" -seed=1 -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 \
      -max_len=65536 "corpus-$target" "$@") >"build/fuzz/$target.log" 2>&1
}
targets=(SlotFuzz RecordFileFuzz ConsoleFuzz)
run SlotFuzz "$PWD/tests/fuzz/corpus/slot" &
pids=($!)
run RecordFileFuzz "$PWD/data" &
pids+=($!)
run ConsoleFuzz "$PWD/tests/fuzz/corpus/console" &
pids+=($!)
failed=0
for k in "${!targets[@]}"; do
  if wait "${pids[$k]}"; then
    echo "${targets[$k]}: $(grep -E '^Done [0-9]+ runs' "build/fuzz/${targets[$k]}.log" || echo done)"
  else
    failed=1
    tail -n 60 "build/fuzz/${targets[$k]}.log" >&2
    echo "${targets[$k]} failed (the whole log: build/fuzz/${targets[$k]}.log)" >&2
  fi
done
exit "$failed"
