#include <gtest/gtest.h>

#include "commands/CommandMenu.h"
#include "commands/Training.h"
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

TEST(Session, ReorganizingKeepsItsPoolUnlessAnotherDistrictIsClicked) {
    // Person 0 gives 20 members to the pool; then person 1 walks away and person 2 arrives.
    // A turn end and a click on the same district show the people standing there now and keep
    // the pool; a click on another of the player's districts starts with an empty pool.
    enum class Then { EndTurn, SameDistrict, OtherDistrict };
    struct Case {
        Then then;
        double pool;
        std::vector<int> people;
    };
    const Case cases[] = {
        {Then::EndTurn, 20, {0, 2}},
        {Then::SameDistrict, 20, {0, 2}},
        {Then::OtherDistrict, 0, {1}},
    };
    for (const Case& c : cases) {
        Session session(test::BlankWorld());
        session.StartNewGame(0);
        World& w = session.world();
        std::vector<int> own;
        for (int city = 0; city < kCityCount; ++city) {
            if (w.IsPlayerCity(city)) own.push_back(city);
        }
        ASSERT_GE(own.size(), 2U);
        test::Place(w, 0, own[0], 0);
        test::Place(w, 1, own[0], 0);
        ASSERT_TRUE(session.ClickCity(own[0]));
        OpenReorganizing(w, session.menu());
        ChooseForReorganizing(w, session.menu(), 0);
        ASSERT_TRUE(Reorganize(w, session.menu(), 0, 10).done);
        ASSERT_EQ(session.menu().reorg.ReorgPool, 20);

        test::Place(w, 1, own[1], 0);
        test::Place(w, 2, own[0], 0);
        switch (c.then) {
            case Then::EndTurn:
                session.EndTurn();
                ASSERT_FALSE(w.MapLocked);
                break;
            case Then::SameDistrict:
                EXPECT_FALSE(session.ClickCity(own[0]));
                break;
            case Then::OtherDistrict:
                EXPECT_TRUE(session.ClickCity(own[1]));
                break;
        }
        const ReorgDialog& dialog = session.menu().reorg;
        EXPECT_TRUE(dialog.open);
        EXPECT_EQ(dialog.ReorgPool, c.pool);
        EXPECT_EQ(dialog.people, c.people);
        // The bar waits for a person again.
        EXPECT_FALSE(dialog.barEnabled);
        // Person 1 has left the list: typing for him is refused and moves nothing.
        if (c.then != Then::OtherDistrict) {
            EXPECT_FALSE(Reorganize(w, session.menu(), 1, 0).done);
            EXPECT_EQ(dialog.ReorgPool, c.pool);
        }
    }
}

TEST(Session, ReorganizingClosesWhenItsDistrictIsNoLongerThePlayers) {
    Session session(test::BlankWorld());
    session.StartNewGame(0);
    World& w = session.world();
    int own = -1;
    for (int city = 0; city < kCityCount && own < 0; ++city) {
        if (w.IsPlayerCity(city)) own = city;
    }
    ASSERT_GE(own, 0);
    test::Place(w, 0, own, 0);
    session.ClickCity(own);
    OpenReorganizing(w, session.menu());
    w.SetOwner(own, 3);
    session.ClickCity(own);
    EXPECT_FALSE(session.menu().reorg.open);
}

}  // namespace
}  // namespace golmok
