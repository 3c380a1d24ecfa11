// The two halves of bench/autosave-kill-loop.sh, which kills a game at random moments of its
// autosaving turn ends and counts the chronicles lost.
//
//   golmok-autosave-loop play FOLDER    goes on with the game of FOLDER's autosave slot (a new
//                                       game of 불사파 when there is none), ending turns with
//                                       자동저장 on and the autosave written behind each turn end,
//                                       as the windows do, until it is killed. An attack on the
//                                       player is called off at once, so the game never waits.
//   golmok-autosave-loop check FOLDER   loads the autosave slot and its chronicle and says
//                                       whether the chronicle still reaches back to the game's
//                                       first week with one entry a week. Exit 0: it does;
//                                       1: the chronicle was lost; 2: the slot does not load;
//                                       3: no autosave yet.
#include <cstdio>
#include <filesystem>
#include <string>

#include "game/NewWorld.h"
#include "session/Session.h"
#include "world/SavedGames.h"

namespace {

using namespace golmok;

long WeekNumber(int year, int month, int week) {
    return (long{year} * 12 + (month - 1)) * 4 + (week - 1);
}

int Play(const std::filesystem::path& folder) {
    Session session(BuildNewWorld(GOLMOK_DATA_DIR));
    session.world().options.autosave = true;
    if (session.LoadFrom(folder, kAutosaveSlot).state != SlotState::Game) session.StartNewGame(3);
    session.SaveInBackground(true);
    while (true) {
        session.EndTurn(folder);
        World& w = session.world();
        w.MapLocked = false;
        w.DefenceSetupOpen = false;
        if (CheckGameEnd(w) != GameEnd::Running || session.CalendarEnded()) {
            session.FinishSaves();
            session.StartNewGame(3);
            std::filesystem::remove(folder / "autosave.sav");
        }
    }
}

int Check(const std::filesystem::path& folder) {
    Session session(BuildNewWorld(GOLMOK_DATA_DIR));
    const LoadResult result = session.LoadFrom(folder, kAutosaveSlot);
    if (result.state == SlotState::Empty) {
        std::printf("no autosave yet\n");
        return 3;
    }
    if (result.state != SlotState::Game) {
        std::printf("slot does not load: %s\n", result.message.c_str());
        return 2;
    }
    const World& w = session.world();
    const Chronicle& chronicle = session.chronicle();
    const ChronicleWeek& first = chronicle.weeks.front();
    const long weeks = WeekNumber(w.Year, w.Month, w.Week) - WeekNumber(kFirstYear, 1, 1) + 1;
    std::printf("week %ld, chronicle %zu weeks from %d-%d-%d\n", weeks, chronicle.weeks.size(),
                first.year, first.month, first.week);
    const bool whole = first.year == kFirstYear && first.month == 1 && first.week == 1 &&
                       static_cast<long>(chronicle.weeks.size()) == weeks;
    return whole ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: golmok-autosave-loop play|check FOLDER\n");
        return 64;
    }
    const std::string mode = argv[1];
    const std::filesystem::path folder = argv[2];
    if (mode == "play") return Play(folder);
    if (mode == "check") return Check(folder);
    std::fprintf(stderr, "usage: golmok-autosave-loop play|check FOLDER\n");
    return 64;
}
