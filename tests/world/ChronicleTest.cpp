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
    EXPECT_TRUE(text.starts_with("golmok-chronicle 2 3\n1930 1 1 4 4 3 3 3 4 4\n"));
    EXPECT_TRUE(text.ends_with("\nend 7\n"));
    EXPECT_EQ(ReadChronicleText(text), chronicle);
}

TEST(Chronicle, DamagedTextsAreRefused) {
    const std::string head = "golmok-chronicle 2 0\n";
    const std::string week = "1930 1 1 4 4 3 4 3 4 3\n";
    const std::string next = "1930 1 2 4 4 3 4 3 4 3\n";
    const std::string whole = head + week + next + "end 2\n";
    struct Case {
        const char* what;
        std::string text;
        const char* why;
    };
    const char* kNone = "연대기 파일의 내용이 아닙니다";
    const char* kCut = "끝 표시가 없습니다: 잘린 파일입니다";
    const Case cases[] = {
        {"empty", "", kNone},
        {"no weeks", head + "end 0\n", kNone},
        {"another header", "golmok-chronicle 3 0\n" + week + "end 1\n", kNone},
        {"player out of range", "golmok-chronicle 2 7\n" + week + "end 1\n", kNone},
        {"a gang missing", head + "1930 1 1 4 4 3 4 3 4\nend 1\n", kNone},
        {"a word that is no number", head + "1930 1 1 4 4 3 4 3 4 x\nend 1\n", kNone},
        {"week 5", head + "1930 1 5 4 4 3 4 3 4 3\nend 1\n", kNone},
        {"more than 25 districts", head + "1930 1 1 4 4 3 4 3 4 4\nend 1\n", kNone},
        {"negative districts", head + "1930 1 1 -1 4 3 4 3 4 3\nend 1\n", kNone},
        {"weeks out of order", head + next + week + "end 2\n", kNone},
        // A cut at a line's end, at the end line, or in it: never read as the whole chronicle.
        {"cut after a week", head + week + next, kCut},
        {"cut after the first week", head + week, kCut},
        {"cut inside the end line", whole.substr(0, whole.size() - 2), kCut},
        {"cut after the end word", head + week + next + "end", kCut},
        {"an end line that counts other weeks", head + week + "end 2\n",
         "끝 표시의 주 수가 맞지 않습니다: 잘린 파일입니다"},
        {"a line after the end", whole + week, kCut},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const ChronicleRead read = ReadChronicleFile(c.text);
        EXPECT_FALSE(read.chronicle.has_value());
        EXPECT_EQ(read.why, c.why);
    }
    EXPECT_TRUE(ReadChronicleText(whole).has_value());

    // Files of earlier versions carry no end line: a line cut short by a kill is left out, and a
    // week written again follows itself.
    const std::string old = "golmok-chronicle 1 0\n";
    const std::string again = "1930 1 1 4 4 4 4 3 4 2\n";
    const auto read = ReadChronicleText(old + week + again + "1930 1 2 4");
    ASSERT_TRUE(read.has_value());
    ASSERT_EQ(read->weeks.size(), 2u);
    EXPECT_EQ(read->weeks[1].districts[6], 2);
    EXPECT_FALSE(ReadChronicleText(old + "1930 1 1 4 4 3 4 3 4 3").has_value());
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

// The chronicle is found beside its slot under the saved game's fingerprint, or, for a save of an
// earlier version, under the slot's own name; what is there and cannot be read is named with why.
TEST(Chronicle, FoundBesideTheSlotOrToldWhyNot) {
    test::TempFolder folder;
    const auto slot = SlotPath(folder.path(), 2);
    World w = test::BlankWorld();
    const std::uint64_t fingerprint = SlotFingerprint(w);
    const auto path = CompanionPath(slot, fingerprint, kChronicleExtension);
    EXPECT_EQ(path.filename().string(), "save02." + FingerprintText(fingerprint) + ".chronicle");
    EXPECT_EQ(CompanionPath(slot, fingerprint, kChronicleExtension, 2).filename().string(),
              "save02." + FingerprintText(fingerprint) + ".2.chronicle");

    LoadedChronicle none = LoadChronicle(slot, w);
    EXPECT_FALSE(none.chronicle.has_value());
    EXPECT_TRUE(none.notices.empty());  // nothing there: nothing to tell

    const Chronicle chronicle = StartChronicle(w);
    test::WriteFile(path, ChronicleText(chronicle));
    LoadedChronicle found = LoadChronicle(slot, w);
    EXPECT_EQ(found.chronicle, chronicle);
    EXPECT_TRUE(found.notices.empty());

    // An earlier version's file, read only when none of the new names is there.
    test::WriteFile(LegacyCompanionPath(slot, kChronicleExtension),
                    "golmok-chronicle 1 0\n" + ChronicleLine(chronicle.weeks[0]));
    std::filesystem::remove(path);
    EXPECT_EQ(LoadChronicle(slot, w).chronicle, chronicle);

    const std::string text = ChronicleText(chronicle);
    struct Case {
        const char* what;
        void (*arrange)(const std::filesystem::path& path, const std::string& text);
        const char* why;
    };
    const Case cases[] = {
        {"garbled",
         [](const auto& p, const auto&) { test::WriteFile(p, "golmok-chronicle 2 0\nx\nend 1\n"); },
         "연대기 파일의 내용이 아닙니다"},
        {"cut at a line's end",
         [](const auto& p, const auto& t) { test::WriteFile(p, t.substr(0, t.find("end"))); },
         "끝 표시가 없습니다: 잘린 파일입니다"},
        {"a folder", [](const auto& p, const auto&) { std::filesystem::create_directory(p); },
         "파일이 아니라 폴더입니다"},
        // A FIFO must not block the load, nor a device be read.
        {"a FIFO", [](const auto& p, const auto&) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); },
         "보통 파일이 아닙니다"},
        {"a link to /dev/zero",
         [](const auto& p, const auto&) { std::filesystem::create_symlink("/dev/zero", p); },
         "보통 파일이 아닙니다"},
        {"another player's",
         [](const auto& p, const auto& t) {
             test::WriteFile(p, "golmok-chronicle 2 4" + t.substr(20));
         },
         "이 게임의 연대기가 아닙니다"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(path);
        c.arrange(path, text);
        LoadedChronicle read = LoadChronicle(slot, w);
        EXPECT_FALSE(read.chronicle.has_value());
        ASSERT_EQ(read.notices.size(), 1u);
        EXPECT_EQ(read.notices[0], "연대기 파일 " + path.filename().string() +
                                       "을(를) 읽을 수 없습니다 (" + c.why +
                                       "). 그 파일은 그대로 두고, 연대기는 1930년 1월 1주부터 "
                                       "새로 시작합니다.");
        // The next name is read when the game wrote its chronicle there.
        const auto alternate = CompanionPath(slot, fingerprint, kChronicleExtension, 1);
        test::WriteFile(alternate, text);
        read = LoadChronicle(slot, w);
        EXPECT_EQ(read.chronicle, chronicle);
        EXPECT_TRUE(read.notices.empty());
        std::filesystem::remove(alternate);
    }
}

}  // namespace
}  // namespace golmok
