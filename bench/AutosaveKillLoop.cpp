// The two halves of bench/autosave-kill-loop.sh, which kills a game at random moments of its saves
// while its file system fails now and then, and counts what was lost beside any slot.
//
//   golmok-autosave-loop play FOLDER [FAULTS]
//       goes on with the game of FOLDER's autosave slot (a new game when there is none), ending
//       turns with 자동저장 on and the autosave written behind each turn end, as the windows do,
//       saving into slots 0 to 2 every few weeks, and starting a new game of another gang now and
//       then that is saved over the slots of the old one, until it is killed. An attack on the
//       player is called off at once, so the game never waits. With FAULTS = N, one file
//       operation in N fails (a full disk, an I/O error, a size limit), chosen at random.
//   golmok-autosave-loop check FOLDER
//       loads the autosave slot and slots 0 to 2 and says, for each slot that holds a game,
//       whether it loads without a word about its files, its chronicle reaches back to the
//       game's first week with one entry a week, and its week's news is beside it.
//       Exit 0: all whole; 1: something beside a slot was lost; 2: a slot does not load;
//       3: no autosave yet.
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include <unistd.h>

#include "game/NewWorld.h"
#include "game/NewsFile.h"
#include "session/Session.h"
#include "world/FileSystem.h"
#include "world/SavedGames.h"

namespace {

using namespace golmok;

long WeekNumber(int year, int month, int week) {
    return (long{year} * 12 + (month - 1)) * 4 + (week - 1);
}

// Fails one call in `every` at random.
class FlakyFiles final : public FileSystem {
  public:
    explicit FlakyFiles(unsigned every) : every_(every), random_(static_cast<unsigned>(getpid())) {}
    int Open(const std::filesystem::path& path, int flags, mode_t mode) override {
        return Fail() ? -1 : FileSystem::Open(path, flags, mode);
    }
    ssize_t Write(int fd, const char* data, std::size_t size) override {
        return Fail() ? -1 : FileSystem::Write(fd, data, size);
    }
    int Sync(int fd) override { return Fail() ? -1 : FileSystem::Sync(fd); }
    int Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        return Fail() ? -1 : FileSystem::Rename(from, to);
    }
    int Remove(const std::filesystem::path& path) override {
        return Fail() ? -1 : FileSystem::Remove(path);
    }

  private:
    bool Fail() {
        if (every_ == 0 || random_() % every_ != 0) return false;
        static constexpr int kErrors[] = {ENOSPC, EIO, EFBIG};
        errno = kErrors[random_() % 3];
        return true;
    }
    unsigned every_;
    std::minstd_rand random_;
};

int Play(const std::filesystem::path& folder, unsigned faults) {
    FlakyFiles files(faults);
    Session session(BuildNewWorld(GOLMOK_DATA_DIR));
    session.world().options.autosave = true;
    int gang = static_cast<int>(getpid() % kGroupCount);
    if (session.LoadFrom(folder, kAutosaveSlot).state != SlotState::Game)
        session.StartNewGame(gang);
    session.UseFileSystem(files);
    session.SaveInBackground(true);
    for (long turn = 1;; ++turn) {
        session.EndTurn(folder);
        World& w = session.world();
        w.MapLocked = false;
        w.DefenceSetupOpen = false;
        if (turn % 7 == 0) session.SaveTo(folder, static_cast<int>(turn / 7 % 3));
        if (turn % 40 == 0 || CheckGameEnd(w) != GameEnd::Running || session.CalendarEnded()) {
            // Another game, saved over the old one's slots from now on.
            session.FinishSaves();
            gang = (gang + 1) % kGroupCount;
            session.StartNewGame(gang);
            session.SaveTo(folder, kSaveSlotCount - 1);  // a slot of its first week
        }
    }
}

int Check(const std::filesystem::path& folder) {
    int worst = 0;
    bool anyAutosave = false;
    int games = 0;
    for (int slot : {kAutosaveSlot, 0, 1, 2, kSaveSlotCount - 1}) {
        Session session(BuildNewWorld(GOLMOK_DATA_DIR));
        const LoadResult result = session.LoadFrom(folder, slot);
        if (result.state == SlotState::Empty) continue;
        if (slot == kAutosaveSlot) anyAutosave = true;
        if (result.state != SlotState::Game) {
            std::printf("slot %d does not load: %s\n", slot, result.message.c_str());
            worst = 2;
            continue;
        }
        ++games;
        const World& w = session.world();
        const Chronicle& chronicle = session.chronicle();
        const ChronicleWeek& first = chronicle.weeks.front();
        const long weeks = WeekNumber(w.Year, w.Month, w.Week) - WeekNumber(kFirstYear, 1, 1) + 1;
        const bool whole = first.year == kFirstYear && first.month == 1 && first.week == 1 &&
                           static_cast<long>(chronicle.weeks.size()) == weeks;
        const bool news = LoadNews(w, SlotPath(folder, slot)).news.has_value();
        if (!whole || !news || !result.notices.empty()) {
            std::printf("slot %d, week %ld: chronicle of %zu weeks%s%s%s\n", slot, weeks,
                        chronicle.weeks.size(), news ? "" : ", no news",
                        result.notices.empty() ? "" : ", told: ",
                        result.notices.empty() ? "" : result.notices.front().c_str());
            worst = std::max(worst, 1);
        }
    }
    if (!anyAutosave && worst == 0) {
        std::printf("no autosave yet\n");
        return 3;
    }
    if (worst == 0) std::printf("%d slots whole\n", games);
    return worst;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string usage = "usage: golmok-autosave-loop play FOLDER [FAULTS] | check FOLDER\n";
    if (argc < 3 || argc > 4) {
        std::fputs(usage.c_str(), stderr);
        return 64;
    }
    const std::string mode = argv[1];
    const std::filesystem::path folder = argv[2];
    if (mode == "play")
        return Play(folder, argc == 4 ? static_cast<unsigned>(std::stoul(argv[3])) : 0);
    if (mode == "check" && argc == 3) return Check(folder);
    std::fputs(usage.c_str(), stderr);
    return 64;
}
