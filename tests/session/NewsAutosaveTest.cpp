// The session's turn end: the week's news kept, the chronicle written up, the autosave slot, and
// the chronicle travelling with a saved game.
#include <gtest/gtest.h>

#include "game/NewWorld.h"
#include "game/NewsFile.h"
#include "game/TurnCycle.h"
#include "session/Session.h"
#include "session/ShippedSession.h"
#include "support/TestWorld.h"
#include "world/SavedGames.h"

namespace golmok {
namespace {

namespace fs = std::filesystem;

using test::ShippedSession;

TEST(SessionTurnEnd, KeepsTheLastNewsAndTheChronicleWithoutSavingUnasked) {
    test::TempFolder folder;
    Session session = ShippedSession(0, false);
    World plain = session.world();
    for (int turn = 1; turn <= 3; ++turn) {
        TurnNews expected;
        const auto messages = EndTurn(plain, &expected);
        EXPECT_EQ(session.EndTurn(folder.path()), messages);
        EXPECT_EQ(session.news(), expected);
        EXPECT_EQ(session.world(), plain);
    }
    const Chronicle& chronicle = session.chronicle();
    ASSERT_EQ(chronicle.weeks.size(), 4u);
    EXPECT_EQ(chronicle.weeks.back().week, 4);
    EXPECT_EQ(chronicle.weeks.back().districts, DistrictsHeld(plain));
    EXPECT_TRUE(fs::is_empty(folder.path()));
    EXPECT_FALSE(session.CanContinue(folder.path()));

    // A new game has no news yet.
    session.QuitToTitle();
    session.StartNewGame(2);
    EXPECT_TRUE(session.news().empty());
    EXPECT_EQ(session.chronicle().weeks.size(), 1u);
}

TEST(SessionTurnEnd, AutosaveResumesTheGameWithItsChronicle) {
    test::TempFolder folder;
    Session session = ShippedSession(3, true);
    for (int turn = 1; turn <= 5; ++turn)
        EXPECT_TRUE(session.EndTurn(folder.path()).empty());
    EXPECT_TRUE(fs::exists(folder.path() / "autosave.sav"));
    const std::uint64_t fingerprint = SlotFingerprint(session.world());
    for (std::string_view extension : kSlotCompanionExtensions) {
        EXPECT_TRUE(fs::exists(
            CompanionPath(SlotPath(folder.path(), kAutosaveSlot), fingerprint, extension)));
    }
    // The older weeks' files went once each newer save was in place: one of each is left.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 3);
    EXPECT_FALSE(fs::exists(SlotPath(folder.path(), 0)));

    // A fresh run of the program picks the game up where the last turn end left it.
    Session resumed(BuildNewWorld(test::ShippedData()));
    EXPECT_TRUE(resumed.CanContinue(folder.path()));
    const LoadResult result = resumed.LoadFrom(folder.path(), kAutosaveSlot);
    EXPECT_EQ(result.state, SlotState::Game);
    EXPECT_TRUE(resumed.running());
    EXPECT_EQ(SaveText(resumed.world()), SaveText(session.world()));
    EXPECT_EQ(resumed.chronicle(), session.chronicle());
}

TEST(SessionTurnEnd, NoAutosaveBeforeAnAnnouncedAttackIsFought) {
    test::TempFolder folder;
    // 지존파's 강동 is attacked at the first turn end; the autosave keeps the week before.
    Session session = ShippedSession(1, true);
    session.EndTurn(folder.path());
    ASSERT_TRUE(session.world().DefenceSetupOpen);
    EXPECT_FALSE(fs::exists(folder.path() / "autosave.sav"));
}

TEST(SessionTurnEnd, AFailedAutosaveSaysSoAfterTheTurnsMessages) {
    test::TempFolder folder;
    const fs::path notAFolder = folder.path() / "file";
    test::WriteFile(notAFolder, "x");
    Session session = ShippedSession(3, true);
    const auto messages = session.EndTurn(notAFolder);
    ASSERT_EQ(messages.size(), 1u);
    // The folder is named, and why it could not be made.
    EXPECT_EQ(messages[0], "저장 폴더 " + notAFolder.string() +
                               "을(를) 만들지 못했습니다 (같은 이름의 파일이 있습니다). 게임을 "
                               "저장하지 못했습니다.");
    EXPECT_EQ(session.world().Week, 2);  // the turn end itself went through
}

TEST(SessionSlots, TheChronicleGoesWithTheSlotOrStartsAfresh) {
    test::TempFolder folder;
    Session session = ShippedSession(0, false);
    for (int turn = 1; turn <= 4; ++turn)
        session.EndTurn(folder.path());
    ASSERT_TRUE(session.SaveTo(folder.path(), 1).empty());
    const Chronicle saved = session.chronicle();
    ASSERT_EQ(saved.weeks.size(), 5u);

    Session other(BuildNewWorld(test::ShippedData()));
    other.LoadFrom(folder.path(), 1);
    EXPECT_EQ(other.chronicle(), saved);

    // A slot without its chronicle, or with one of another game, starts from the week loaded;
    // the one of another game is named and kept.
    const fs::path chronicle = CompanionPath(SlotPath(folder.path(), 1),
                                             SlotFingerprint(session.world()), kChronicleExtension);
    for (const char* what : {"missing", "another player"}) {
        SCOPED_TRACE(what);
        if (fs::exists(chronicle)) {
            fs::remove(chronicle);
        } else {
            Chronicle foreign = saved;
            foreign.player = 4;
            test::WriteFile(chronicle, ChronicleText(foreign));
        }
        Session fresh(BuildNewWorld(test::ShippedData()));
        const LoadResult result = fresh.LoadFrom(folder.path(), 1);
        EXPECT_EQ(result.notices.size(), fs::exists(chronicle) ? 1u : 0u);
        ASSERT_EQ(fresh.chronicle().weeks.size(), 1u);
        EXPECT_EQ(fresh.chronicle().weeks[0], saved.weeks.back());
    }
}

TEST(SessionSlots, TheWeeksNewsGoesWithTheSlotAndIsNeverAnotherGames) {
    test::TempFolder folder;
    Session session = ShippedSession(0, true);
    for (int turn = 1; turn <= 3; ++turn)
        session.EndTurn(folder.path());
    ASSERT_FALSE(session.news().empty());
    ASSERT_FALSE(session.weekNews().lastWeek.empty());
    ASSERT_TRUE(session.SaveTo(folder.path(), 1).empty());
    const WeekNews saved = session.weekNews();
    const fs::path slot = SlotPath(folder.path(), 1);

    // 불러오기 and 이어하기 bring back what the window told, last week's included.
    for (int loaded : {1, kAutosaveSlot}) {
        SCOPED_TRACE(loaded);
        Session other(BuildNewWorld(test::ShippedData()));
        ASSERT_EQ(other.LoadFrom(folder.path(), loaded).state, SlotState::Game);
        EXPECT_EQ(other.weekNews(), saved);
    }

    // Another game saved into the slot: its news replaces the old game's.
    const std::string oldNews =
        test::ReadFile(CompanionPath(slot, SlotFingerprint(session.world()), kNewsExtension));
    Session second = ShippedSession(4, false);
    second.EndTurn(folder.path());
    ASSERT_TRUE(second.SaveTo(folder.path(), 1).empty());
    const fs::path newsFile = CompanionPath(slot, SlotFingerprint(second.world()), kNewsExtension);
    {
        Session other(BuildNewWorld(test::ShippedData()));
        other.LoadFrom(folder.path(), 1);
        EXPECT_EQ(other.weekNews(), second.weekNews());
    }
    struct Case {
        const char* what;
        void (*arrange)(const fs::path& news, const std::string& oldNews);
        const char* told;  // why the file could not be read; nothing when there is nothing to tell
    };
    const Case cases[] = {
        {"another game's news",
         [](const fs::path& news, const std::string& old) { test::WriteFile(news, old); },
         "다른 게임의 소식입니다"},
        {"no news file", [](const fs::path& news, const std::string&) { fs::remove(news); },
         nullptr},
        {"a damaged news file",
         [](const fs::path& news, const std::string&) {
             const std::string text = test::ReadFile(news);
             test::WriteFile(news, text.substr(0, text.size() / 2));
         },
         "끝 표시가 없습니다: 잘린 파일입니다"},
        {"a folder in its place",
         [](const fs::path& news, const std::string&) {
             fs::remove(news);
             fs::create_directory(news);
         },
         "파일이 아니라 폴더입니다"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        fs::remove_all(newsFile);
        test::WriteFile(newsFile,
                        NewsFileText(second.weekNews(), second.world()));  // the game's own
        k.arrange(newsFile, oldNews);
        Session other(BuildNewWorld(test::ShippedData()));
        const LoadResult result = other.LoadFrom(folder.path(), 1);
        ASSERT_EQ(result.state, SlotState::Game);
        if (k.told) {
            EXPECT_EQ(result.notices,
                      std::vector<std::string>{"이번 주 소식 파일 " + newsFile.filename().string() +
                                               "을(를) 읽을 수 없습니다 (" + k.told +
                                               "). 그 파일은 그대로 둡니다."});
        } else {
            EXPECT_TRUE(result.notices.empty());
        }
        EXPECT_FALSE(other.weekNews().kept);
        EXPECT_EQ(NewsWindowLines(other.world(), other.weekNews()),
                  std::vector<std::string>{kNewsNotSaved});
        // Its next turn end tells the news again.
        other.EndTurn();
        EXPECT_TRUE(other.weekNews().kept);
    }
    // The same game saved again where a folder stands under its news's name: the folder stays,
    // the news goes under the next name, and the player is told where.
    fs::remove_all(newsFile);
    fs::create_directory(newsFile);
    const std::vector<std::string> told = second.SaveTo(folder.path(), 1);
    const fs::path next = CompanionPath(slot, SlotFingerprint(second.world()), kNewsExtension, 1);
    EXPECT_EQ(told,
              std::vector<std::string>{newsFile.filename().string() +
                                       "을(를) 읽을 수 없어 지우지 않고 그대로 두었습니다 "
                                       "(파일이 아니라 폴더입니다). 이 게임의 이번 주 소식은 " +
                                       next.filename().string() + "에 저장되었습니다."});
    EXPECT_TRUE(fs::is_directory(newsFile));
    Session reloaded(BuildNewWorld(test::ShippedData()));
    const LoadResult result = reloaded.LoadFrom(folder.path(), 1);
    EXPECT_EQ(result.state, SlotState::Game);
    EXPECT_TRUE(result.notices.empty());
    EXPECT_EQ(reloaded.weekNews(), second.weekNews());
    EXPECT_EQ(SaveText(reloaded.world()), SaveText(second.world()));
    // Told once a run: the next save keeps it without a word.
    EXPECT_TRUE(second.SaveTo(folder.path(), 1).empty());
}

TEST(NewsFile, ReadsBackWhatItWroteAndRefusesAnythingElse) {
    World w = BuildNewWorld(test::ShippedData());
    ChooseGroup(w, 2);
    WeekNews news;
    TurnEvent commerce;
    commerce.kind = TurnEventKind::Commerce;
    commerce.gang = 5;
    commerce.city = 7;
    commerce.money = 535663.5;
    TurnEvent poached;
    poached.kind = TurnEventKind::Poached;
    poached.human = 193;
    poached.gang = 6;
    poached.fromGang = -1;
    poached.city = 24;
    poached.fromCity = 0;
    TurnEvent taken;
    taken.kind = TurnEventKind::Taken;
    taken.fought = true;
    taken.gang = 1;
    taken.fromGang = 2;
    taken.city = 3;
    taken.fromCity = 4;
    news.events = {commerce, poached};
    news.lastWeek = {taken};
    const std::string text = NewsFileText(news, w);
    EXPECT_EQ(ReadNewsFileText(text, w), news);
    WeekNews lost;
    lost.kept = false;
    EXPECT_EQ(ReadNewsFileText(NewsFileText(lost, w), w), lost);

    World other = w;
    other.CityMoney[3] += 1;
    const std::size_t firstEvent = text.find('\n') + 1;
    const std::string header = text.substr(0, firstEvent);
    const std::pair<const char*, std::string> refused[] = {
        {"another game", ""},
        {"cut short", text.substr(0, text.size() - 1)},
        {"a person out of range", header + "this 2 6 -1 24 0 194 0 0 0 0\nend 1\n"},
        {"a kind out of range", header + "this 99 6 -1 24 0 19 0 0 0 0\nend 1\n"},
        {"a field missing", header + "this 2 6 -1 24 0 19 0 0 0\nend 1\n"},
        {"this week after last week's",
         text.substr(0, text.rfind("end")) + "this 2 6 -1 24 0 19 0 0 0 0\nend 4\n"},
        {"another week word", header + "next 2 6 -1 24 0 19 0 0 0 0\nend 1\n"},
        {"a figure with letters", header + "this 6 5 -1 7 -1 -1 0 0 0 5e3\nend 1\n"},
        {"another version", "golmok-news 3" + text.substr(std::string("golmok-news 2").size())},
        {"cut at a line's end", text.substr(0, text.rfind("end"))},
        {"an end line counting other events", text.substr(0, text.rfind("end")) + "end 2\n"},
    };
    // An earlier version's file, without its end line, is still read, and said to be one.
    const std::string old = "golmok-news 1" + text.substr(13, text.rfind("end") - 13);
    const NewsRead read = ReadNewsFile(old, &w);
    EXPECT_EQ(read.news, news);
    EXPECT_TRUE(read.old);
    for (const auto& [what, bad] : refused) {
        SCOPED_TRACE(what);
        if (bad.empty()) {
            EXPECT_FALSE(ReadNewsFileText(text, other).has_value());
        } else {
            EXPECT_FALSE(ReadNewsFileText(bad, w).has_value());
        }
    }
}

// A load loses only what no slot holds: the session knows whether the game has changed since it
// was started, saved, autosaved or loaded.
TEST(SessionTurnEnd, KnowsWhetherTheGameChangedSinceItWasLastKept) {
    test::TempFolder folder;
    Session session = ShippedSession(0, false);
    EXPECT_FALSE(session.ChangedSinceSave());  // a game not played yet
    session.EndTurn(folder.path());
    EXPECT_TRUE(session.ChangedSinceSave());  // a week no slot holds
    ASSERT_TRUE(session.SaveTo(folder.path(), 1).empty());
    EXPECT_FALSE(session.ChangedSinceSave());
    // A command changes the world without a turn end.
    session.world().CityMoney[0] += 1;
    EXPECT_TRUE(session.ChangedSinceSave());
    session.world().CityMoney[0] -= 1;
    EXPECT_FALSE(session.ChangedSinceSave());
    // The options are settings, not the game.
    session.world().options.preview = !session.world().options.preview;
    EXPECT_FALSE(session.ChangedSinceSave());

    session.EndTurn(folder.path());
    ASSERT_EQ(session.LoadFrom(folder.path(), 1).state, SlotState::Game);
    EXPECT_FALSE(session.ChangedSinceSave());

    // With 자동저장 on, every turn end keeps the game.
    session.world().options.autosave = true;
    session.EndTurn(folder.path());
    EXPECT_FALSE(session.ChangedSinceSave());
    session.world().CityMoney[0] += 1;
    EXPECT_TRUE(session.ChangedSinceSave());

    // No game on the map: nothing to lose.
    session.QuitToTitle();
    EXPECT_FALSE(session.ChangedSinceSave());
}

}  // namespace
}  // namespace golmok
