// The chronicle: one entry a week of the districts each gang holds, and its file beside a slot.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>

#include <filesystem>

#include "support/TestWorld.h"
#include "world/Chronicle.h"
#include "world/SavedGames.h"

namespace golmok {
namespace {

TEST(Chronicle, OneEntryAWeekWithTheLastStandings) {
    World w = test::BlankWorld();
    Chronicle chronicle = StartChronicle(w);
    const GroupTable<int> start = DistrictsHeld(w);
    EXPECT_EQ(start[0], 4);  // 거지파: 서초, 관악, 금천, 동작

    // A fight in the same week changes that week's entry.
    w.SetOwner(7, 5);
    chronicle.Note(w);
    ASSERT_EQ(chronicle.weeks.size(), 1u);
    EXPECT_EQ(chronicle.weeks[0].districts[0], 3);
    EXPECT_EQ(chronicle.weeks[0].districts[5], start[5] + 1);

    // The next week is a new entry; a colour of no gang counts for nobody.
    w.Week = 2;
    w.CityOwnerColor[12] = 0x123456;
    chronicle.Note(w);
    ASSERT_EQ(chronicle.weeks.size(), 2u);
    EXPECT_EQ(chronicle.weeks[1].week, 2);
    EXPECT_EQ(chronicle.weeks[1].districts[0], 2);
    EXPECT_EQ(chronicle.weeks[0].districts[0], 3);
}

// A week written at its slot's save and the weeks written for a save that a kill cut short
// beside it: the chronicle read is cut back to the slot's week, or taken one week short.
TEST(Chronicle, FitsTheGameOfItsSlot) {
    World w = test::BlankWorld();  // 1930, January, week 1
    Chronicle written = StartChronicle(w);
    const ChronicleWeek first = written.weeks[0];
    w.Week = 2;
    written.Note(w);  // what the slot of week 2 was saved with
    const ChronicleWeek saved = written.weeks[1];
    ChronicleWeek fought = saved;  // a fight later that week, written by a save that was killed
    fought.districts[0] -= 1;
    fought.districts[5] += 1;
    ChronicleWeek next = fought;
    next.week = 3;

    struct Case {
        const char* what;
        std::vector<ChronicleWeek> read;
        std::optional<std::vector<ChronicleWeek>> fitted;
    };
    const Case cases[] = {
        {"up to the slot's week", {first, saved}, std::vector{first, saved}},
        {"weeks beyond the slot are cut", {first, saved, fought, next}, std::vector{first, saved}},
        {"the week written again is taken", {first, fought, saved}, std::vector{first, saved}},
        {"one week short", {first}, std::vector{first, saved}},
        {"the slot's week with other standings", {first, fought, next}, std::nullopt},
        {"no week at all", {}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto fitted = FitChronicle(Chronicle{0, c.read}, w);
        ASSERT_EQ(fitted.has_value(), c.fitted.has_value());
        if (fitted) {
            EXPECT_EQ(fitted->weeks, *c.fitted);
        }
    }
    EXPECT_FALSE(FitChronicle(written, [&] {
                     World other = w;
                     other.PlayerGroupIndex = 2;
                     return other;
                 }()).has_value());  // another player's
}

TEST(Chronicle, TextRoundTrip) {
    World w = test::BlankWorld();
    w.PlayerGroupIndex = 3;
    Chronicle chronicle = StartChronicle(w);
    for (int turn = 0; turn < 6; ++turn) {
        w.Week = w.Week % 4 + 1;
        if (w.Week == 1) w.Month += 1;
        w.SetOwner(turn, 3);
        chronicle.Note(w);
    }
    const std::string text = ChronicleText(chronicle);
    EXPECT_TRUE(text.starts_with("golmok-chronicle 1 3\n1930 1 1 4 4 3 3 3 4 4\n"));
    EXPECT_EQ(ReadChronicleText(text), chronicle);
}

TEST(Chronicle, DamagedTextsAreRefused) {
    const std::string head = "golmok-chronicle 1 0\n";
    const char* week = "1930 1 1 4 4 3 4 3 4 3\n";
    const std::pair<const char*, std::string> cases[] = {
        {"empty", ""},
        {"no weeks", head},
        {"another header", "golmok-chronicle 2 0\n" + std::string(week)},
        {"player out of range", "golmok-chronicle 1 7\n" + std::string(week)},
        {"nothing but a line cut short", head + "1930 1 1 4 4 3 4 3 4 3"},
        {"a gang missing", head + "1930 1 1 4 4 3 4 3 4\n"},
        {"a word that is no number", head + "1930 1 1 4 4 3 4 3 4 x\n"},
        {"week 5", head + "1930 1 5 4 4 3 4 3 4 3\n"},
        {"more than 25 districts", head + "1930 1 1 4 4 3 4 3 4 4\n"},
        {"negative districts", head + "1930 1 1 -1 4 3 4 3 4 3\n"},
        {"weeks out of order", head + "1930 1 2 4 4 3 4 3 4 3\n" + week},
    };
    for (const auto& [what, text] : cases) {
        SCOPED_TRACE(what);
        EXPECT_FALSE(ReadChronicleText(text).has_value());
    }
    EXPECT_TRUE(ReadChronicleText(head + week).has_value());

    // A line cut short by a kill is left out; a week written again follows itself.
    const std::string again = "1930 1 1 4 4 4 4 3 4 2\n";
    const auto read = ReadChronicleText(head + week + again + "1930 1 2 4");
    ASSERT_TRUE(read.has_value());
    ASSERT_EQ(read->weeks.size(), 2u);
    EXPECT_EQ(read->weeks[1].districts[6], 2);
}

// The longest game a slot can hold, 1930 to the last week of 9999 with the widest line every
// week, is read back whole, with room for the weeks written again.
TEST(Chronicle, TheReadLimitHoldsTheLongestGame) {
    Chronicle longest;
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int week = 1; week <= 4; ++week)
                longest.weeks.push_back({year, month, week, {10, 10, 1, 1, 1, 1, 1}});
        }
    }
    const std::string text = ChronicleText(longest);
    EXPECT_LE(2 * text.size(), MaxChronicleBytes());
    EXPECT_EQ(ReadChronicleText(text), longest);
}

TEST(Chronicle, FileBesideTheSlot) {
    test::TempFolder folder;
    const auto slot = SlotPath(folder.path(), 2);
    EXPECT_EQ(ChroniclePath(slot), folder.path() / "save02.chronicle");
    EXPECT_EQ(ChroniclePath(SlotPath(folder.path(), kAutosaveSlot)),
              folder.path() / "autosave.chronicle");
    EXPECT_FALSE(LoadChronicle(slot).has_value());  // none yet

    const Chronicle chronicle = StartChronicle(test::BlankWorld());
    ASSERT_EQ(SaveChronicle(chronicle, slot), 0);
    EXPECT_EQ(LoadChronicle(slot), chronicle);

    test::WriteFile(ChroniclePath(slot), "golmok-chronicle 1 0\nrubbish\n");
    EXPECT_FALSE(LoadChronicle(slot).has_value());

    EXPECT_NE(SaveChronicle(chronicle, folder.path() / "missing" / "save02.sav"), 0);
}

Chronicle Weeks(int count) {
    World w = test::BlankWorld();
    Chronicle chronicle = StartChronicle(w);
    for (int i = 1; i < count; ++i) {
        w.Week = w.Week % 4 + 1;
        if (w.Week == 1) w.Month += 1;
        chronicle.Note(w);
    }
    return chronicle;
}

// Saving the same game again only appends: a week's line is written once unless its standings
// changed, and what the file holds always reads back as the game's chronicle.
TEST(Chronicle, SavesAppendTheNewWeeks) {
    test::TempFolder folder;
    const auto slot = SlotPath(folder.path(), 1);
    ChronicleFile file(slot);
    Chronicle chronicle = Weeks(3);
    ASSERT_EQ(file.Write(chronicle), 0);
    const std::string whole = test::ReadFile(file.path());

    chronicle.weeks.push_back(Weeks(4).weeks.back());
    ASSERT_EQ(file.Write(chronicle), 0);
    const std::string fourth = ChronicleLine(chronicle.weeks.back());
    EXPECT_EQ(test::ReadFile(file.path()), whole + fourth);
    ASSERT_EQ(file.Write(chronicle), 0);  // nothing new
    EXPECT_EQ(test::ReadFile(file.path()), whole + fourth);

    // A fight in the fourth week: the week is written again, and read as it stands now.
    chronicle.weeks.back().districts[0] -= 1;
    chronicle.weeks.back().districts[3] += 1;
    ASSERT_EQ(file.Write(chronicle), 0);
    EXPECT_EQ(test::ReadFile(file.path()), whole + fourth + ChronicleLine(chronicle.weeks.back()));
    auto read = LoadChronicle(slot);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->weeks.back(), chronicle.weeks.back());

    // Written by someone else since, or another game from now on: written whole.
    test::WriteFile(file.path(), whole);
    chronicle.weeks.push_back(Weeks(5).weeks.back());
    ASSERT_EQ(file.Write(chronicle), 0);
    EXPECT_EQ(test::ReadFile(file.path()), ChronicleText(chronicle));
    file.Forget();
    const Chronicle other = Weeks(2);
    ASSERT_EQ(file.Write(other), 0);
    EXPECT_EQ(test::ReadFile(file.path()), ChronicleText(other));
}

// A chronicle that cannot be written, whole or appended (a file-size limit, a full disk), leaves
// the file as it was.
TEST(Chronicle, AWriteThatFailsLeavesTheOldFile) {
    test::TempFolder folder;
    const auto slot = SlotPath(folder.path(), 1);
    ChronicleFile file(slot);
    Chronicle chronicle = Weeks(40);
    ASSERT_EQ(file.Write(chronicle), 0);
    const std::string before = test::ReadFile(file.path());

    IgnoreFileSizeSignal();
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit limit = old;
    limit.rlim_cur = before.size() + 40;  // room for one line more, not for two
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    Chronicle longer = Weeks(42);
    const int appended = file.Write(longer);
    const int whole = SaveChronicle(longer, slot);
    ::setrlimit(RLIMIT_FSIZE, &old);

    EXPECT_EQ(appended, EFBIG);
    EXPECT_EQ(whole, EFBIG);
    EXPECT_EQ(test::ReadFile(file.path()), before);
    ASSERT_EQ(file.Write(longer), 0);  // once there is room, the same file goes on
    EXPECT_EQ(LoadChronicle(slot), longer);
}

// What lies beside a slot is no chronicle unless it is a small regular file: a FIFO must not block
// the load, a folder or a device must not throw or be read.
TEST(Chronicle, HostileThingsBesideTheSlotAreNoChronicle) {
    test::TempFolder folder;
    const auto slot = SlotPath(folder.path(), 1);
    const auto path = ChroniclePath(slot);
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    EXPECT_FALSE(LoadChronicle(slot).has_value());
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    EXPECT_FALSE(LoadChronicle(slot).has_value());
    std::filesystem::remove(path);
    std::filesystem::create_symlink("/dev/zero", path);
    EXPECT_FALSE(LoadChronicle(slot).has_value());
}

}  // namespace
}  // namespace golmok
