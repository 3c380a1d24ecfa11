// How long the game takes to build its world from the shipped record files, as at start-up.
#include <benchmark/benchmark.h>

#include "game/NewWorld.h"
#include "world/RecordFiles.h"

namespace {

void BM_BuildNewWorld(benchmark::State& state) {
    for (auto _ : state) {
        golmok::World world = golmok::BuildNewWorld(GOLMOK_DATA_DIR);
        benchmark::DoNotOptimize(world);
    }
}
BENCHMARK(BM_BuildNewWorld)->Unit(benchmark::kMicrosecond);

void BM_ReadRecordFile(benchmark::State& state) {
    const std::string path = std::string(GOLMOK_DATA_DIR) + "/hn.dat";
    for (auto _ : state) benchmark::DoNotOptimize(golmok::ReadRecordFile(path));
}
BENCHMARK(BM_ReadRecordFile)->Unit(benchmark::kMicrosecond);

}  // namespace
