// How long the game takes to build its world from the shipped record files, as at start-up.
#include <benchmark/benchmark.h>

#include "game/DistrictOutlook.h"
#include "game/NewWorld.h"
#include "game/TurnCycle.h"
#include "world/RecordFiles.h"
#include "world/SharedRoutines.h"

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
    for (auto _ : state)
        benchmark::DoNotOptimize(golmok::ReadRecordFile(path));
}
BENCHMARK(BM_ReadRecordFile)->Unit(benchmark::kMicrosecond);

// The turn end's yardstick: one plain pass over every person for each district, every person's
// place compared with every district's name, as the tallies were first counted.
void BM_PlainPass(benchmark::State& state) {
    const golmok::World world = golmok::BuildNewWorld(GOLMOK_DATA_DIR);
    for (auto _ : state) {
        golmok::CityTable<double> people{};
        golmok::CityTable<double> members{};
        for (int h = 0; h < golmok::kHumanCount; ++h) {
            for (int c = 0; c < golmok::kCityCount; ++c) {
                if (world.HumanCity[h] == world.CityName[c]) {
                    people[c] += 1;
                    members[c] += world.HumanMembers[h];
                }
            }
        }
        benchmark::DoNotOptimize(people);
        benchmark::DoNotOptimize(members);
    }
}
BENCHMARK(BM_PlainPass)->Unit(benchmark::kMicrosecond);

// RecountCities as the game runs it: each person's district found by its name, the scan stopping
// at the first match.
void BM_RecountCities(benchmark::State& state) {
    golmok::World world = golmok::BuildNewWorld(GOLMOK_DATA_DIR);
    for (auto _ : state) {
        golmok::RecountCities(world);
        benchmark::DoNotOptimize(world.CityMemberTotal);
    }
}
BENCHMARK(BM_RecountCities)->Unit(benchmark::kMicrosecond);

// One turn end on the shipped world with gang 0 idle in the player's hands. The world is reset to
// the start every 1000 turns, outside the timing, so that the figure covers the opening weeks
// and the later, quieter ones alike; a turn that announces an attack unlocks the map again.
void BM_EndTurn(benchmark::State& state) {
    golmok::World start = golmok::BuildNewWorld(GOLMOK_DATA_DIR);
    golmok::ChooseGroup(start, 0);
    golmok::World world = start;
    int turns = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(golmok::EndTurn(world));
        if (world.DefenceSetupOpen) {
            world.DefenceSetupOpen = false;
            world.MapLocked = false;
        }
        if (++turns == 1000) {
            state.PauseTiming();
            world = start;
            turns = 0;
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_EndTurn)->Unit(benchmark::kMicrosecond);

// 다음 주 예상 and the map's marks, as the map refreshes them after a command: the next turn end
// run on a copy of the shipped world, and every district at a glance.
void BM_PreviewAndGlance(benchmark::State& state) {
    golmok::World world = golmok::BuildNewWorld(GOLMOK_DATA_DIR);
    golmok::ChooseGroup(world, 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(golmok::PreviewNextTurnEnd(world));
        for (int c = 0; c < golmok::kCityCount; ++c)
            benchmark::DoNotOptimize(golmok::GlanceAt(world, c));
    }
}
BENCHMARK(BM_PreviewAndGlance)->Unit(benchmark::kMicrosecond);

// 10 000 turn ends in a row from the start, the player idle (gang 0).
void BM_IdleRun10000(benchmark::State& state) {
    golmok::World start = golmok::BuildNewWorld(GOLMOK_DATA_DIR);
    golmok::ChooseGroup(start, 0);
    for (auto _ : state) {
        golmok::World world = start;
        for (int turn = 0; turn < 10000; ++turn) {
            golmok::EndTurn(world);
            world.DefenceSetupOpen = false;
            world.MapLocked = false;
        }
        benchmark::DoNotOptimize(world);
    }
}
BENCHMARK(BM_IdleRun10000)->Unit(benchmark::kMillisecond);

}  // namespace
