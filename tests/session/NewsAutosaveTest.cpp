// The session's turn end: the week's news kept, the chronicle written up, the autosave slot, and
// the chronicle travelling with a saved game.
#include <gtest/gtest.h>

#include "game/NewWorld.h"
#include "game/TurnCycle.h"
#include "session/Session.h"
#include "support/TestWorld.h"
#include "world/SavedGames.h"

namespace golmok {
namespace {

namespace fs = std::filesystem;

Session ShippedSession(int player, bool autosave) {
    Session session(BuildNewWorld(test::ShippedData()));
    session.world().options.autosave = autosave;
    session.StartNewGame(player);
    return session;
}

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
    EXPECT_TRUE(fs::exists(folder.path() / "autosave.chronicle"));
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
    ASSERT_FALSE(session.SaveTo(folder.path(), 1).has_value());
    const Chronicle saved = session.chronicle();
    ASSERT_EQ(saved.weeks.size(), 5u);

    Session other(BuildNewWorld(test::ShippedData()));
    other.LoadFrom(folder.path(), 1);
    EXPECT_EQ(other.chronicle(), saved);

    // A slot without its chronicle, or with one of another game, starts from the week loaded.
    const fs::path chronicle = ChroniclePath(SlotPath(folder.path(), 1));
    for (const char* what : {"missing", "another player"}) {
        SCOPED_TRACE(what);
        if (fs::exists(chronicle)) {
            fs::remove(chronicle);
        } else {
            Chronicle foreign = saved;
            foreign.player = 4;
            ASSERT_EQ(SaveChronicle(foreign, SlotPath(folder.path(), 1)), 0);
        }
        Session fresh(BuildNewWorld(test::ShippedData()));
        fresh.LoadFrom(folder.path(), 1);
        ASSERT_EQ(fresh.chronicle().weeks.size(), 1u);
        EXPECT_EQ(fresh.chronicle().weeks[0], saved.weeks.back());
    }
}

}  // namespace
}  // namespace golmok
