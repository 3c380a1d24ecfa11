// Saves that a kill, a full disk or a slow disk never cost the player anything: the chronicle
// stays with its slot, a chronicle that cannot be written is reported and leaves the old one, the
// autosave is written behind the turn end, and the calendar ends where the saves end.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <atomic>
#include <sstream>

#include "console/Console.h"
#include "game/NewWorld.h"
#include "game/TurnCycle.h"
#include "session/Session.h"
#include "session/ShippedSession.h"
#include "support/TestWorld.h"
#include "world/SavedGames.h"

namespace golmok {
namespace {

namespace fs = std::filesystem;

using test::ShippedSession;

// A save of an earlier version, its chronicle one week short (written before the slot by a
// program that wrote it second): 불러오기 of the autosave and one more turn end keep every week.
TEST(SaveSafety, AnOlderSavesChronicleOneWeekShortKeepsItsHistory) {
    test::TempFolder folder;
    Session session(BuildNewWorld(test::ShippedData()));
    std::ostringstream out;
    Console console(session, out, folder.path());
    for (const char* line : {"new-game 3", "option autosave on", "end-turn 6"})
        ASSERT_EQ(console.RunLine(line), Console::LineResult::Done) << out.str();
    ASSERT_FALSE(session.world().DefenceSetupOpen);
    const Chronicle played = session.chronicle();
    ASSERT_EQ(played.weeks.size(), 7u);

    const fs::path slot = SlotPath(folder.path(), kAutosaveSlot);
    fs::remove(CompanionPath(slot, SlotFingerprint(session.world()), kChronicleExtension));
    std::string old = "golmok-chronicle 1 3\n";
    for (std::size_t week = 0; week + 1 < played.weeks.size(); ++week)
        old += ChronicleLine(played.weeks[week]);
    test::WriteFile(LegacyCompanionPath(slot, kChronicleExtension), old);
    for (const char* line : {"load auto", "end-turn"})
        ASSERT_EQ(console.RunLine(line), Console::LineResult::Done) << out.str();
    ASSERT_EQ(session.chronicle().weeks.size(), 8u);
    for (std::size_t week = 0; week < 7; ++week)
        EXPECT_EQ(session.chronicle().weeks[week], played.weeks[week]) << week;
    // The older file went once the new save was in place.
    EXPECT_FALSE(fs::exists(LegacyCompanionPath(slot, kChronicleExtension)));
}

// A save that cannot finish (a file-size limit that leaves room for the new chronicle but not for
// the slot) is refused as a whole: the old slot keeps its game and its whole chronicle.
TEST(SaveSafety, ASaveThatCannotFinishKeepsTheOldSlotWhole) {
    test::TempFolder folder;
    Session session = ShippedSession(0, false);
    for (int turn = 0; turn < 20; ++turn)
        session.EndTurn();
    ASSERT_TRUE(session.SaveTo(folder.path(), 0).empty());
    const std::string oldSlot = test::ReadFile(SlotPath(folder.path(), 0));
    const Chronicle oldChronicle = session.chronicle();
    ASSERT_EQ(oldChronicle.weeks.size(), 21u);

    Session second = ShippedSession(0, false);
    for (int turn = 0; turn < 3; ++turn)
        second.EndTurn();
    IgnoreFileSizeSignal();
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit limit = old;
    limit.rlim_cur = 8 * 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    const std::vector<std::string> failure = second.SaveTo(folder.path(), 0);
    ::setrlimit(RLIMIT_FSIZE, &old);

    EXPECT_EQ(failure, std::vector<std::string>{"save00.sav에 저장하지 못했습니다 (파일 크기 "
                                                "제한을 넘었습니다). 전에 저장된 게임은 그대로 "
                                                "있습니다."});
    EXPECT_EQ(test::ReadFile(SlotPath(folder.path(), 0)), oldSlot);
    Session loaded(BuildNewWorld(test::ShippedData()));
    const LoadResult result = loaded.LoadFrom(folder.path(), 0);
    ASSERT_EQ(result.state, SlotState::Game);
    EXPECT_TRUE(result.notices.empty());
    EXPECT_EQ(loaded.chronicle(), oldChronicle);
    // Nothing of the refused save is left beside the slot: the slot, and the chronicle and the
    // news of the old game.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 3);
}

// Only files the game wrote are removed: a folder, or a link, bearing the name of a chronicle
// or of a save's temporary file stays, and the save says what it kept and where the game's own
// chronicle went.
TEST(SaveSafety, OnlyTheGamesOwnFilesAreEverRemoved) {
    test::TempFolder folder;
    const fs::path chronicle = folder.path() / "autosave.chronicle";
    const fs::path temporary = folder.path() / "save01.sav.999999-1.tmp";
    const fs::path linked = folder.path() / "save02.sav.999998-1.tmp";
    const fs::path target = folder.path() / "precious";
    fs::create_directory(chronicle);
    fs::create_directory(temporary);
    test::WriteFile(target, "mine");
    fs::create_symlink(target, linked);

    Session session = ShippedSession(3, true);
    const auto messages = session.EndTurn(folder.path());
    const fs::path written = CompanionPath(SlotPath(folder.path(), kAutosaveSlot),
                                           SlotFingerprint(session.world()), kChronicleExtension);
    EXPECT_EQ(messages,
              std::vector<std::string>{"autosave.chronicle을(를) 읽을 수 없어 지우지 "
                                       "않고 그대로 두었습니다 (파일이 아니라 "
                                       "폴더입니다). 이 게임의 연대기는 " +
                                       written.filename().string() + "에 저장되었습니다."});
    EXPECT_TRUE(fs::is_regular_file(written));
    EXPECT_TRUE(fs::is_directory(chronicle));
    EXPECT_TRUE(fs::is_directory(temporary));
    EXPECT_TRUE(fs::is_symlink(linked));
    EXPECT_EQ(test::ReadFile(target), "mine");
    EXPECT_TRUE(fs::is_regular_file(SlotPath(folder.path(), kAutosaveSlot)));
}

// With saves in the background the turn end only queues the autosave; the writes come in order,
// one at a time, a manual save waits for them, and a failure is still reported.
TEST(SaveSafety, BackgroundAutosavesAreWrittenInOrderAndReported) {
    test::TempFolder folder;
    Session session = ShippedSession(3, true);
    session.SaveInBackground(true);
    for (int turn = 1; turn <= 8; ++turn)
        ASSERT_TRUE(session.EndTurn(folder.path()).empty());
    // The manual save comes after every autosave before it.
    ASSERT_TRUE(session.SaveTo(folder.path(), 2).empty());
    EXPECT_TRUE(session.TakeSaveFailures().empty());
    for (int slot : {kAutosaveSlot, 2}) {
        SCOPED_TRACE(slot);
        Session loaded(BuildNewWorld(test::ShippedData()));
        ASSERT_EQ(loaded.LoadFrom(folder.path(), slot).state, SlotState::Game);
        EXPECT_EQ(SaveText(loaded.world()), SaveText(session.world()));
        EXPECT_EQ(loaded.chronicle(), session.chronicle());
    }

    // A failed autosave calls the listener, and its message waits to be taken.
    std::atomic<int> calls = 0;
    session.SetSaveListener([&calls] { ++calls; });
    const fs::path notAFolder = folder.path() / "file";
    test::WriteFile(notAFolder, "x");
    EXPECT_TRUE(session.EndTurn(notAFolder).empty());
    const auto failures = session.FinishSaves();
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_TRUE(failures[0].starts_with("저장 폴더 " + notAFolder.string() + "을(를) 만들지 못했습니다 ("))
        << failures[0];
    EXPECT_EQ(calls.load(), 1);
    EXPECT_TRUE(session.TakeSaveFailures().empty());
    session.SetSaveListener({});
}

// The last week a save can hold ends the calendar: the turn end says why and changes nothing, in
// the session and in the console, and the console never ends more than 10,000 turns a line.
TEST(SaveSafety, TheCalendarEndsWhereTheSavesEnd) {
    test::TempFolder folder;
    Session session = ShippedSession(3, true);
    World late = session.world();
    late.Year = kLastYear;
    late.Month = 12;
    late.Week = 2;
    session.ShowGame(late);
    std::ostringstream out;
    Console console(session, out, folder.path());
    EXPECT_EQ(console.RunLine("end-turn 10001"), Console::LineResult::Error);
    EXPECT_EQ(session.world().Week, 2);

    // Two turn ends reach the last week; the third is refused, and so is any after it.
    EXPECT_EQ(console.RunLine("end-turn 5"), Console::LineResult::Error);
    EXPECT_TRUE(out.str().ends_with(std::string("error: ") + kCalendarEndMessage + "\n"))
        << out.str();
    EXPECT_EQ(session.world().Week, 4);
    EXPECT_TRUE(session.CalendarEnded());
    const World last = session.world();
    EXPECT_EQ(session.EndTurn(folder.path()), std::vector<std::string>{kCalendarEndMessage});
    EXPECT_EQ(session.world(), last);

    // The last week is saved and loads again.
    World loaded = BuildNewWorld(test::ShippedData());
    ASSERT_EQ(LoadGame(loaded, folder.path(), kAutosaveSlot).state, SlotState::Game);
    EXPECT_EQ(loaded.Year, kLastYear);
    EXPECT_EQ(loaded.Week, 4);
}

}  // namespace
}  // namespace golmok
