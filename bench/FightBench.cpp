// The fight's model steps on a five-against-five attack from the shipped start: 서초's five
// strongest people (거지파) against 강북 (흑사파).
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "fight/FightSetup.h"
#include "fight/Forecast.h"
#include "game/NewWorld.h"

namespace {

using namespace golmok;

struct StartedFight {
    World world;
    Fight fight;
};

StartedFight FiveAgainstFive(bool realTime) {
    StartedFight start{BuildNewWorld(GOLMOK_DATA_DIR), {}};
    World& w = start.world;
    ChooseGroup(w, 0);
    w.BattleMode = realTime ? BattleMode::Real : BattleMode::Turn;
    const FightSetup setup = OpenAttackSetup(w, 7);
    SetupOutcome out = ConfirmAttack(w, setup, SetupChoice{true, {0, 1, 2, 3, 4}, true}, 10);
    if (!out.fight) throw std::runtime_error("the attack did not start");
    start.fight = *out.fight;
    return start;
}

// One computer action: the computer fighter whose turn it is steps toward his nearest enemy.
// Each iteration starts from the opening position again (a copy of the field, not of the world).
void BM_ComputerAct(benchmark::State& state) {
    StartedFight start = FiveAgainstFive(true);
    for (auto _ : state) {
        Fight fight = start.fight;
        benchmark::DoNotOptimize(ComputerAct(start.world, fight));
        benchmark::DoNotOptimize(fight);
    }
}
BENCHMARK(BM_ComputerAct)->Unit(benchmark::kNanosecond);

// One death and result pass over ten standing fighters (nobody dies: the pass the field's 1 ms
// clock runs again and again).
void BM_DeathPass(benchmark::State& state) {
    StartedFight start = FiveAgainstFive(true);
    for (auto _ : state)
        benchmark::DoNotOptimize(DeathPass(start.world, start.fight));
}
BENCHMARK(BM_DeathPass)->Unit(benchmark::kNanosecond);

// A whole fight, both sides by auto-battle, from the opening position to the applied result.
// The copy of the world and the field that each iteration starts from is not timed.
void BM_PlayOutFight(benchmark::State& state) {
    const StartedFight start = FiveAgainstFive(state.range(0) != 0);
    for (auto _ : state) {
        state.PauseTiming();
        StartedFight copy = start;
        state.ResumeTiming();
        PlayOutFight(copy.world, copy.fight);
        if (!copy.fight.over()) state.SkipWithError("the fight did not end");
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(BM_PlayOutFight)->Arg(0)->Arg(1)->ArgName("real")->Unit(benchmark::kMicrosecond);

// 싸움 예상 as the attack set-up computes it after every choice: the copy of the shipped world,
// the OK, and the whole fight by 자동 싸움, for 서초's five against 강북. This is the cost of one
// update of the set-up's line.
void BM_ForecastAttack(benchmark::State& state) {
    World w = BuildNewWorld(GOLMOK_DATA_DIR);
    ChooseGroup(w, 0);
    w.BattleMode = state.range(0) != 0 ? BattleMode::Real : BattleMode::Turn;
    const FightSetup setup = OpenAttackSetup(w, 7);
    const SetupChoice choice{true, {0, 1, 2, 3, 4}, true};
    for (auto _ : state) {
        const FightForecast forecast = ForecastAttack(w, setup, choice, 10);
        if (forecast.result != ForecastResult::Won) state.SkipWithError("no fight was forecast");
        benchmark::DoNotOptimize(forecast);
    }
}
BENCHMARK(BM_ForecastAttack)->Arg(0)->Arg(1)->ArgName("real")->Unit(benchmark::kMicrosecond);

// The same for every one of the 21 districts 서초 can attack with its five strongest: what the
// set-up's target list would cost if it showed a forecast beside each target.
void BM_ForecastEveryTarget(benchmark::State& state) {
    World w = BuildNewWorld(GOLMOK_DATA_DIR);
    ChooseGroup(w, 0);
    const FightSetup setup = OpenAttackSetup(w, 7);
    const SetupChoice choice{true, {0, 1, 2, 3, 4}, true};
    for (auto _ : state) {
        for (int target : setup.targets)
            benchmark::DoNotOptimize(ForecastAttack(w, setup, choice, target));
    }
}
BENCHMARK(BM_ForecastEveryTarget)->Unit(benchmark::kMicrosecond);

}  // namespace
