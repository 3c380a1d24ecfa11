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

std::string WithoutLastLine(const std::string& text) {
    const std::size_t end = text.rfind('\n', text.size() - 2);
    return text.substr(0, end + 1);
}

// As a player would meet it: six autosaving turn ends, the last week's line gone from the
// chronicle, 불러오기 of the autosave and one more turn end. Every week is still there.
TEST(SaveSafety, AChronicleOneWeekShortKeepsItsHistory) {
    test::TempFolder folder;
    Session session(BuildNewWorld(test::ShippedData()));
    std::ostringstream out;
    Console console(session, out, folder.path());
    for (const char* line : {"new-game 3", "option autosave on", "end-turn 6"})
        ASSERT_EQ(console.RunLine(line), Console::LineResult::Done) << out.str();
    ASSERT_FALSE(session.world().DefenceSetupOpen);
    const Chronicle played = session.chronicle();
    ASSERT_EQ(played.weeks.size(), 7u);

    const fs::path chronicle = ChroniclePath(SlotPath(folder.path(), kAutosaveSlot));
    test::WriteFile(chronicle, WithoutLastLine(test::ReadFile(chronicle)));
    for (const char* line : {"load auto", "end-turn"})
        ASSERT_EQ(console.RunLine(line), Console::LineResult::Done) << out.str();
    ASSERT_EQ(session.chronicle().weeks.size(), 8u);
    for (std::size_t week = 0; week < 6; ++week)
        EXPECT_EQ(session.chronicle().weeks[week], played.weeks[week]) << week;
}

// Whatever moment of a save a kill comes at, the slot loads with the chronicle of its own game:
// the files as they stand after each save, and as a kill leaves them in the next one (chronicle
// written, slot not yet; chronicle half-appended), each load the game of the slot with its weeks.
TEST(SaveSafety, AKillAtAnyMomentOfASaveKeepsTheChronicle) {
    test::TempFolder folder;
    Session session = ShippedSession(3, true);
    const fs::path slot = SlotPath(folder.path(), kAutosaveSlot);
    const fs::path chronicle = ChroniclePath(slot);
    struct Saved {
        std::string slot, chronicle;
        Chronicle expected;
    };
    std::vector<Saved> saves;
    for (int turn = 1; turn <= 6; ++turn) {
        // A district changing hands during the week: its line is written again at the next save.
        if (turn % 2 == 0) session.world().SetOwner(turn, turn % kGroupCount);
        ASSERT_TRUE(session.EndTurn(folder.path()).empty());
        saves.push_back({test::ReadFile(slot), test::ReadFile(chronicle), session.chronicle()});
    }

    for (std::size_t k = 0; k + 1 < saves.size(); ++k) {
        const std::string& next = saves[k + 1].chronicle;
        const std::pair<const char*, std::string> kills[] = {
            {"after the save", saves[k].chronicle},
            {"between the chronicle and the slot", next},
            {"in the middle of the chronicle's last line", next.substr(0, next.size() - 5)},
        };
        for (const auto& [when, text] : kills) {
            SCOPED_TRACE(std::string(when) + " of save " + std::to_string(k + 1));
            test::WriteFile(slot, saves[k].slot);
            test::WriteFile(chronicle, text);
            Session loaded(BuildNewWorld(test::ShippedData()));
            ASSERT_EQ(loaded.LoadFrom(folder.path(), kAutosaveSlot).state, SlotState::Game);
            EXPECT_EQ(loaded.chronicle(), saves[k].expected);
        }
    }
}

// A chronicle that cannot be written (a file-size limit that leaves room for the slot only):
// the game is saved, the player is told, the chronicle saved before stays as it was.
TEST(SaveSafety, AChronicleThatCannotBeWrittenIsReportedAndLeftAsItWas) {
    test::TempFolder folder;
    Session session = ShippedSession(3, false);
    // A long game: its chronicle is larger than its slot.
    World w = session.world();
    Chronicle history = session.chronicle();
    for (int turn = 0; turn < 3000; ++turn) {
        w.Week = w.Week % 4 + 1;
        if (w.Week == 1) w.Month = w.Month % 12 + 1;
        if (w.Week == 1 && w.Month == 1) w.Year += 1;
        history.Note(w);
    }
    session.ShowGame(w, history);
    ASSERT_EQ(session.chronicle().weeks.size(), 3001u);
    ASSERT_FALSE(session.SaveTo(folder.path(), 1).has_value());
    const fs::path chronicle = ChroniclePath(SlotPath(folder.path(), 1));
    const std::string before = test::ReadFile(chronicle);
    ASSERT_GT(before.size(), 40000u);

    // Loaded again (the chronicle is written whole at the next save), one week on.
    ASSERT_EQ(session.LoadFrom(folder.path(), 1).state, SlotState::Game);
    session.EndTurn();
    IgnoreFileSizeSignal();
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit limit = old;
    limit.rlim_cur = 40000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    const auto failure = session.SaveTo(folder.path(), 1);
    ::setrlimit(RLIMIT_FSIZE, &old);

    ASSERT_TRUE(failure.has_value());
    EXPECT_TRUE(failure->starts_with("연대기를 저장하지 못했습니다 (save01.chronicle: 파일 "
                                     "크기 제한을 넘었습니다)"))
        << *failure;
    EXPECT_EQ(test::ReadFile(chronicle), before);
    World reloaded = BuildNewWorld(test::ShippedData());
    ASSERT_EQ(LoadGame(reloaded, folder.path(), 1).state, SlotState::Game);
    EXPECT_EQ(SaveText(reloaded), SaveText(session.world()));  // the game itself was saved
}

// Only files the game wrote are removed: a folder, or a link, bearing the name of a chronicle
// or of a save's temporary file stays, and the save says what it could not write.
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
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].starts_with("연대기를 저장하지 못했습니다 (autosave.chronicle: 같은 "
                                        "이름의 폴더가 있습니다)"))
        << messages[0];
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
    ASSERT_FALSE(session.SaveTo(folder.path(), 2).has_value());
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
