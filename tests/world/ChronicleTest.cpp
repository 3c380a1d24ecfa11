// The chronicle: one entry a week of the districts each gang holds, and its file beside a slot.
#include <gtest/gtest.h>
#include <sys/stat.h>

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
    EXPECT_TRUE(chronicle.Fits(w));

    World other = w;
    other.SetOwner(0, 0);
    EXPECT_FALSE(chronicle.Fits(other));  // other standings
    other = w;
    other.Week = 3;
    EXPECT_FALSE(chronicle.Fits(other));  // another week
    other = w;
    other.PlayerGroupIndex = 2;
    EXPECT_FALSE(chronicle.Fits(other));  // another player
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
        {"no line break at the end", head + "1930 1 1 4 4 3 4 3 4 3"},
        {"a gang missing", head + "1930 1 1 4 4 3 4 3 4\n"},
        {"a word that is no number", head + "1930 1 1 4 4 3 4 3 4 x\n"},
        {"week 5", head + "1930 1 5 4 4 3 4 3 4 3\n"},
        {"more than 25 districts", head + "1930 1 1 4 4 3 4 3 4 4\n"},
        {"negative districts", head + "1930 1 1 -1 4 3 4 3 4 3\n"},
        {"weeks out of order", head + week + "1930 1 1 4 4 3 4 3 4 3\n"},
    };
    for (const auto& [what, text] : cases) {
        SCOPED_TRACE(what);
        EXPECT_FALSE(ReadChronicleText(text).has_value());
    }
    EXPECT_TRUE(ReadChronicleText(head + week).has_value());
}

TEST(Chronicle, FileBesideTheSlot) {
    test::TempFolder folder;
    const auto slot = SlotPath(folder.path(), 2);
    EXPECT_EQ(ChroniclePath(slot), folder.path() / "save02.chronicle");
    EXPECT_EQ(ChroniclePath(SlotPath(folder.path(), kAutosaveSlot)),
              folder.path() / "autosave.chronicle");
    EXPECT_FALSE(LoadChronicle(slot).has_value());  // none yet

    const Chronicle chronicle = StartChronicle(test::BlankWorld());
    ASSERT_TRUE(SaveChronicle(chronicle, slot));
    EXPECT_EQ(LoadChronicle(slot), chronicle);

    test::WriteFile(ChroniclePath(slot), "golmok-chronicle 1 0\nrubbish\n");
    EXPECT_FALSE(LoadChronicle(slot).has_value());

    EXPECT_FALSE(SaveChronicle(chronicle, folder.path() / "missing" / "save02.sav"));
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
