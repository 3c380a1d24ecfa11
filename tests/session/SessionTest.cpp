#include <gtest/gtest.h>

#include "commands/CommandMenu.h"
#include "session/Session.h"
#include "support/TestWorld.h"
#include "world/SharedRoutines.h"

namespace golmok {
namespace {

TEST(CheckGameEnd, AllNoneOrSome) {
    World w = test::BlankWorld();
    EXPECT_EQ(CheckGameEnd(w), GameEnd::Running);
    for (int c = 0; c < kCityCount; ++c)
        w.SetOwner(c, 0);
    EXPECT_EQ(CheckGameEnd(w), GameEnd::Victory);
    w.SetOwner(24, 3);
    EXPECT_EQ(CheckGameEnd(w), GameEnd::Running);
    for (int c = 0; c < kCityCount; ++c)
        w.SetOwner(c, 3);
    EXPECT_EQ(CheckGameEnd(w), GameEnd::Defeat);
}

TEST(Session, NewGameStartsFromTheStartingWorldWithTheOptionsKept) {
    Session session(test::BlankWorld());
    EXPECT_FALSE(session.running());
    EXPECT_EQ(session.StartNewGame(3), std::vector<std::string>{"도움말을 꼭 보십시오."});
    EXPECT_TRUE(session.running());
    EXPECT_EQ(session.world().PlayerGroupName, "영웅파");

    World& w = session.world();
    w.CityMoney[1] = 777;
    w.SetOwner(0, 3);
    w.options.notices = true;
    w.options.music = false;
    w.options.truce = true;
    w.options.strongGangs = true;
    w.options.living = true;
    w.BattleMode = BattleMode::Real;
    ASSERT_TRUE(session.ClickCity(1));
    session.QuitToTitle();
    EXPECT_FALSE(session.running());
    EXPECT_FALSE(session.menu().panel.open);

    session.StartNewGame(0);
    const World& fresh = session.world();
    EXPECT_EQ(fresh.CityMoney[1], 0);
    EXPECT_EQ(fresh.OwnerOf(0), 4);
    EXPECT_EQ(fresh.PlayerGroupIndex, 0);
    EXPECT_TRUE(fresh.options.notices);
    EXPECT_FALSE(fresh.options.music);
    EXPECT_TRUE(fresh.options.truce);
    EXPECT_TRUE(fresh.options.strongGangs);
    EXPECT_TRUE(fresh.options.living);
    EXPECT_EQ(fresh.BattleMode, BattleMode::Real);
}

TEST(Session, AnnouncesTheEndOnce) {
    Session session(test::BlankWorld());
    EXPECT_EQ(session.AnnounceGameEnd(), "");  // no game on the map
    session.StartNewGame(0);
    EXPECT_EQ(session.AnnounceGameEnd(), "");
    for (int c = 0; c < kCityCount; ++c) {
        if (session.world().IsPlayerCity(c)) session.world().SetOwner(c, 1);
    }
    EXPECT_EQ(session.AnnounceGameEnd(), "당신은 조직은 망했습니다.");
    EXPECT_EQ(session.ending(), GameEnd::Defeat);
    EXPECT_FALSE(session.running());
    EXPECT_EQ(session.AnnounceGameEnd(), "");
}

TEST(Session, ALoadedGameRunsOnAnUnfrozenMap) {
    Session session(test::BlankWorld());
    session.StartNewGame(0);
    // The map window was closed during a fight: the title menu is back, the lock left behind.
    LockMap(session.world());
    session.world().DefenceSetupOpen = true;
    session.QuitToTitle();
    World loaded = session.world();
    loaded.Week = 3;
    session.ShowGame(loaded);
    EXPECT_TRUE(session.running());
    EXPECT_EQ(session.world().Week, 3);
    EXPECT_FALSE(session.world().MapLocked);
    EXPECT_FALSE(session.world().DefenceSetupOpen);
}

}  // namespace
}  // namespace golmok
