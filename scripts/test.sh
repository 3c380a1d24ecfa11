#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test, then clang-tidy on the core, the
# sanitizer run, the Debian package (built and checked exactly as scripts/package.sh does for a
# packager) and the fuzzers.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
# Prefix /usr: the folder an installed game falls back to for its record files is the package's.
# RelWithDebInfo's optimisation without its debug information, which no step here reads and which
# costs about a fifth of the compile (the sanitizer build below keeps it for its reports).
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG" \
  -DGOLMOK_WERROR=ON -DCMAKE_INSTALL_PREFIX=/usr
cmake --build build/test -j2
ctest --test-dir build/test --output-on-failure -j2

# clang-tidy over the core, with the checks in .clang-tidy; any finding fails the run.
run-clang-tidy -quiet -p build/test -j2 'src/(world|game|commands|fight|session)/' >build/test/clang-tidy.log 2>&1 ||
  { grep -E '(warning|error):' build/test/clang-tidy.log; echo "clang-tidy found faults in the core"; exit 1; }
echo "clang-tidy: the core is clean"

# The core's tests, the console scripts and the screen tests (offscreen) once more under
# AddressSanitizer and UndefinedBehaviorSanitizer, built with clang so that float-to-int overflow
# is checked too: any report fails the run. Only what the tests need is built (no windowed
# program, no benchmarks).
cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DGOLMOK_WERROR=ON -DGOLMOK_SANITIZE=ON -DGOLMOK_BENCH=OFF -DGOLMOK_APP=OFF
cmake --build build/sanitize -j2
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build/sanitize --output-on-failure -j2

# The Debian package from its own Release build with Debian's hardening flags, checked with
# lintian, its files, dependencies, manual pages and an unpacked run.
scripts/package.sh
# The slot loader, the record-file reader and the console under libFuzzer: 60 s each
# (scripts/fuzz.sh).
scripts/fuzz.sh 60
