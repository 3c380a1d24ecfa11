#!/usr/bin/env bash
# Fuzzes the slot loader, the record-file reader and the console with libFuzzer, the address sanitizer and the
# undefined-behaviour sanitizer: SECONDS seconds each (default 60). Needs clang (apt-get install
# clang). Exits non-zero when a target crashes, trips a sanitizer, hangs or breaks its checks; the
# input that did it is left in build/fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_CXX_COMPILER=clang++ -DGOLMOK_FUZZ=ON -DGOLMOK_TESTS=OFF -DGOLMOK_BENCH=OFF
cmake --build build/fuzz -j2 --target SlotFuzz RecordFileFuzz ConsoleFuzz
run() {
  local target="$1"
  shift
  # New inputs go to a scratch corpus in the build folder; the seeds in the repository stay small.
  mkdir -p "build/fuzz/corpus-$target"
  (cd build/fuzz && "./bin/$target" -seed=1 -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 \
      -max_len=65536 "corpus-$target" "$@")
}
run SlotFuzz "$PWD/tests/fuzz/corpus/slot"
run RecordFileFuzz "$PWD/data"
run ConsoleFuzz "$PWD/tests/fuzz/corpus/console"
