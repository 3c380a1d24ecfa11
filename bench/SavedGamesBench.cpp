// How long saving and loading a game take on the shipped world: what the player waits for after
// clicking a slot button, and what the load dialog spends reading its five labels.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include <unistd.h>

#include "game/NewWorld.h"
#include "world/SavedGames.h"

namespace {

namespace fs = std::filesystem;

// A slot folder of its own, removed when the benchmark ends.
class SlotFolder {
  public:
    SlotFolder() : path_(fs::temp_directory_path() / ("golmok-bench-" + std::to_string(getpid()))) {
        fs::create_directories(path_);
    }
    ~SlotFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

// The whole save: text, the check that it reads back, CP949, the write, flush to disk, rename.
void BM_SaveGame(benchmark::State& state) {
    const golmok::World world = golmok::BuildNewWorld(GOLMOK_DATA_DIR);
    SlotFolder folder;
    for (auto _ : state) {
        if (golmok::SaveGame(world, folder.path(), 0)) state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveGame)->Unit(benchmark::kMicrosecond);

// The save without the disk: building the text and checking that it reads back.
void BM_SaveText(benchmark::State& state) {
    const golmok::World world = golmok::BuildNewWorld(GOLMOK_DATA_DIR);
    for (auto _ : state)
        benchmark::DoNotOptimize(golmok::SaveText(world));
}
BENCHMARK(BM_SaveText)->Unit(benchmark::kMicrosecond);

// Reading, decoding and checking a slot, and laying it over the running world.
void BM_LoadGame(benchmark::State& state) {
    golmok::World world = golmok::BuildNewWorld(GOLMOK_DATA_DIR);
    SlotFolder folder;
    if (golmok::SaveGame(world, folder.path(), 0)) state.SkipWithError("save failed");
    for (auto _ : state) {
        golmok::LoadResult result = golmok::LoadGame(world, folder.path(), 0);
        if (result.state != golmok::SlotState::Game) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(world);
    }
}
BENCHMARK(BM_LoadGame)->Unit(benchmark::kMicrosecond);

// The load dialog's five captions, one slot holding a game and four empty.
void BM_SlotLabels(benchmark::State& state) {
    const golmok::World world = golmok::BuildNewWorld(GOLMOK_DATA_DIR);
    SlotFolder folder;
    if (golmok::SaveGame(world, folder.path(), 2)) state.SkipWithError("save failed");
    for (auto _ : state) {
        for (int slot = 0; slot < golmok::kSaveSlotCount; ++slot) {
            benchmark::DoNotOptimize(golmok::SlotLabel(folder.path(), slot, world));
        }
    }
}
BENCHMARK(BM_SlotLabels)->Unit(benchmark::kMicrosecond);

}  // namespace
