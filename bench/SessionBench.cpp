// What the player's turn end costs with 자동저장 on, early in a game and after 100,000 weeks, and
// what a line of 10,000 turn ends costs (the console's `end-turn 10000`), which saves once.
//
//   BM_TurnEndAutosave/W      the turn end and its autosave written before it returns (as the
//                             console does): process CPU a turn, the disk's waits aside
//   BM_TurnEndBackground/W    the turn end as the map's thread sees it, the autosave queued for
//                             the saving thread: wall time on the calling thread
//   BM_TurnEndLine/N          N turn ends from a new game with the autosave held back and written
//                             once after the last, as `end-turn N` does: wall time of the line
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include <unistd.h>

#include "game/NewWorld.h"
#include "session/Session.h"
#include "world/Chronicle.h"
#include "world/SavedGames.h"

namespace {

namespace fs = std::filesystem;

class BenchFolder {
  public:
    BenchFolder()
        : path_(fs::temp_directory_path() / ("golmok-session-bench-" + std::to_string(getpid()))) {
        fs::create_directories(path_);
    }
    ~BenchFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

// A game of 거지파 `weeks` weeks in, with a chronicle of every one of them, already autosaved
// once (the first save after a load writes the chronicle whole).
golmok::Session GameWeeksIn(long weeks, const fs::path& folder) {
    using namespace golmok;
    Session session(BuildNewWorld(GOLMOK_DATA_DIR));
    session.world().options.autosave = true;
    session.StartNewGame(0);
    World w = session.world();
    Chronicle history = session.chronicle();
    for (long i = 1; i < weeks; ++i) {
        w.Week = w.Week % 4 + 1;
        if (w.Week == 1) w.Month = w.Month % 12 + 1;
        if (w.Week == 1 && w.Month == 1) w.Year += 1;
        history.Note(w);
    }
    session.ShowGame(w, history);
    session.EndTurn(folder);
    return session;
}

// The game goes on whatever the computer gangs do: an attack on the player is over at once, and
// a game about to end is given a district back or away.
void KeepPlaying(golmok::Session& session) {
    using namespace golmok;
    World& w = session.world();
    w.MapLocked = false;
    w.DefenceSetupOpen = false;
    switch (CheckGameEnd(w)) {
        case GameEnd::Defeat:
            w.SetOwner(0, w.PlayerGroupIndex);
            break;
        case GameEnd::Victory:
            w.SetOwner(0, (w.PlayerGroupIndex + 1) % kGroupCount);
            break;
        case GameEnd::Running:
            break;
    }
}

void BM_TurnEndAutosave(benchmark::State& state) {
    BenchFolder folder;
    golmok::Session session = GameWeeksIn(state.range(0), folder.path());
    for (auto _ : state) {
        if (!session.EndTurn(folder.path()).empty() && !session.world().DefenceSetupOpen) {
            state.SkipWithError("the autosave failed");
        }
        KeepPlaying(session);
    }
    state.counters["chronicle KB"] =
        static_cast<double>(fs::file_size(golmok::CompanionPath(
            golmok::SlotPath(folder.path(), golmok::kAutosaveSlot),
            golmok::SlotFingerprint(session.world()), golmok::kChronicleExtension))) /
        1024;
}
BENCHMARK(BM_TurnEndAutosave)
    ->Arg(10)
    ->Arg(100000)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);

void BM_TurnEndBackground(benchmark::State& state) {
    BenchFolder folder;
    golmok::Session session = GameWeeksIn(state.range(0), folder.path());
    session.SaveInBackground(true);
    for (auto _ : state) {
        session.EndTurn(folder.path());
        KeepPlaying(session);
    }
    if (!session.FinishSaves().empty()) state.SkipWithError("an autosave failed");
}
BENCHMARK(BM_TurnEndBackground)->Arg(10)->Arg(100000)->UseRealTime()->Unit(benchmark::kMicrosecond);

void BM_TurnEndLine(benchmark::State& state) {
    using namespace golmok;
    BenchFolder folder;
    for (auto _ : state) {
        state.PauseTiming();
        Session session(BuildNewWorld(GOLMOK_DATA_DIR));
        session.world().options.autosave = true;
        session.StartNewGame(0);
        state.ResumeTiming();
        session.HoldAutosave();
        for (long turn = 0; turn < state.range(0); ++turn) {
            session.EndTurn(folder.path());
            KeepPlaying(session);
        }
        if (!session.ReleaseAutosave().empty()) state.SkipWithError("the autosave failed");
    }
}
BENCHMARK(BM_TurnEndLine)->Arg(10000)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
