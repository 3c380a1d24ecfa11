#include <gtest/gtest.h>

#include "fight/Board.h"

namespace golmok {
namespace {

using test::Board;

TEST(ComputerFighter, StrikesANeighbourOrStepsTowardTheNearestEnemy) {
    struct Case {
        const char* what;
        std::vector<Position> players;  // slots 0, 1, ...
        Position at;                    // the computer fighter in slot 0
        Position after;                 // where he stands after his action
        int struck;                     // the player slot he hit, or -1
    };
    const Case cases[] = {
        {"equal distances: the lower slot", {{0, 0}, {960, 0}}, {480, 4320}, {0, 4320}, -1},
        {"the nearer one", {{0, 0}, {1440, 3360}}, {480, 4320}, {960, 4320}, -1},
        {"diagonal neighbour", {{1440, 1440}}, {960, 960}, {960, 960}, 0},
        {"straight neighbour", {{4320, 3840}}, {4320, 4320}, {4320, 4320}, 0},
        {"two columns away: a step right", {{1920, 1440}}, {960, 960}, {1440, 960}, -1},
        {"same column: a step up", {{960, 0}}, {960, 4320}, {960, 3840}, -1},
        {"same row: a step left", {{0, 4320}}, {1920, 4320}, {1440, 4320}, -1},
    };
    for (const Case& c : cases) {
        Board b;
        for (int i = 0; i < int(c.players.size()); ++i)
            b.Player(i, i, c.players[i]);
        b.Enemy(0, 100, c.at);
        EXPECT_TRUE(ComputerAct(b.w, b.f).empty()) << c.what;
        EXPECT_EQ(b.f.enemy[0].shown, c.after) << c.what;
        for (int i = 0; i < int(c.players.size()); ++i) {
            EXPECT_EQ(b.w.HumanStamina[i], i == c.struck ? 40 - 1 : 40) << c.what;
        }
        EXPECT_EQ(b.f.enemyWeaponClock, c.struck >= 0) << c.what;
    }
}

TEST(ComputerFighter, AStrikeShowsHisWeaponOnTheTargetUntilTheClockHidesIt) {
    Board b;
    b.Player(0, 0, {1440, 1440});
    b.Enemy(0, 100, {960, 960});
    b.w.HumanAttack[100] = 50;
    b.w.HumanDefence[100] = 40;
    b.w.HumanAgility[100] = 30;
    b.w.HumanMembers[100] = 100;
    b.w.HumanWeapon[100] = "진검";
    ComputerAct(b.w, b.f);
    EXPECT_EQ(b.w.HumanStamina[0], 40 - 6);  // base 64 with power 100: Int(6.4)
    EXPECT_EQ(b.w.HumanMembers[0], 30 - 6);
    EXPECT_TRUE(b.f.enemyWeapons[3].visible);
    EXPECT_EQ(b.f.enemyWeapons[3].shown, (Position{1440, 1440}));
    EXPECT_FALSE(b.f.enemyWeapons[0].visible);
    HideEnemyWeapons(b.f);
    EXPECT_FALSE(b.f.enemyWeapons[3].visible);
    EXPECT_FALSE(b.f.enemyWeaponClock);
}

TEST(ComputerFighter, ABlockedStepIsReplacedByTheNextAttemptOrHeWaits) {
    struct Case {
        const char* what;
        Position target;
        Position blocker;  // another computer fighter
        Position after;
    };
    const Case cases[] = {
        {"blocked right: a step up instead", {2880, 0}, {1440, 2400}, {960, 1920}},
        {"blocked up in the same column: he waits", {960, 0}, {960, 1920}, {960, 2400}},
        {"blocked right, target level: he waits", {2880, 2400}, {1440, 2400}, {960, 2400}},
    };
    for (const Case& c : cases) {
        Board b;
        b.Player(0, 0, c.target);
        b.Enemy(0, 100, {960, 2400});
        b.Enemy(1, 101, c.blocker);
        ComputerAct(b.w, b.f);
        EXPECT_EQ(b.f.enemy[0].shown, c.after) << c.what;
        EXPECT_EQ(b.f.enemy[0].pending, c.after) << c.what;  // nothing left to show later
        EXPECT_EQ(b.f.enemy[1].shown, c.blocker) << c.what;
    }
}

TEST(ComputerFighter, AWaitingFighterIsNotMovedByTheRestOfTheEvent) {
    // In a turn fight a strike at nothing is answered by a fighter who cannot step; the key's
    // own show step afterwards must leave him where he stood.
    Board b(false);
    b.Player(0, 0, {960, 0});
    b.Enemy(0, 100, {960, 2400});
    b.Enemy(1, 101, {960, 1920});
    PressKey(b.w, b.f, FightKey::A);
    PressKey(b.w, b.f, FightKey::Left);
    PressKey(b.w, b.f, FightKey::Enter);
    EXPECT_EQ(b.f.enemy[0].shown, (Position{960, 2400}));
    EXPECT_EQ(b.f.EnemyTurnSlot, 1);
}

TEST(ComputerTurns, PassOverPresentSlotsOnly) {
    struct Case {
        std::vector<int> slots;  // filled computer slots, all far from the player
        std::vector<int> dead;   // of those, absent
        int start;
        std::vector<int> order;  // EnemyTurnSlot after each of the actions
    };
    const Case cases[] = {
        {{0, 1, 3}, {}, 0, {1, 3, 0, 1}},
        {{0, 2}, {2}, 0, {0, 0, 0}},
        {{0, 1, 3}, {3}, 3, {0, 1, 0}},  // handed the turn, then died: the first takes over
    };
    for (const Case& c : cases) {
        Board b;
        b.Player(0, 0, {0, 0});
        for (int slot : c.slots)
            b.Enemy(slot, 100 + slot, {960 * slot, 4320});
        for (int slot : c.dead)
            b.f.enemy[slot].present = false;
        b.f.EnemyTurnSlot = c.start;
        for (int expected : c.order) {
            ComputerAct(b.w, b.f);
            EXPECT_EQ(b.f.EnemyTurnSlot, expected);
        }
    }
}

TEST(ComputerTurns, NobodyLeftOnTheOtherSideMeansNoAction) {
    Board b;
    b.Player(0, 0, {0, 0});
    b.f.player[0].present = false;
    b.Enemy(0, 100, {0, 4320});
    b.Enemy(1, 101, {960, 4320});
    const World before = b.w;
    ComputerAct(b.w, b.f);
    EXPECT_EQ(b.f.enemy[0].shown, (Position{0, 4320}));
    EXPECT_EQ(b.f.EnemyTurnSlot, 1);
    EXPECT_EQ(b.w, before);
}

TEST(AutoBattle, ThePlayersFighterFollowsTheComputersRule) {
    struct Case {
        const char* what;
        Position at;
        std::vector<Position> enemies;
        std::vector<Position> friends;  // other player fighters
        Position after;
        int struck;  // enemy slot, or -1
    };
    const Case cases[] = {
        {"steps sideways first", {0, 0}, {{1920, 4320}}, {}, {480, 0}, -1},
        {"strikes a neighbour", {960, 3840}, {{1440, 4320}}, {}, {960, 3840}, 0},
        {"nearest, lower slot on a tie", {960, 0}, {{0, 960}, {1920, 960}}, {}, {480, 0}, -1},
        {"blocked both ways: waits", {0, 0}, {{960, 960}}, {{480, 0}, {0, 480}}, {0, 0}, -1},
    };
    for (const Case& c : cases) {
        Board b;
        b.Player(0, 0, c.at);
        for (int i = 0; i < int(c.friends.size()); ++i)
            b.Player(i + 1, i + 1, c.friends[i]);
        for (int i = 0; i < int(c.enemies.size()); ++i)
            b.Enemy(i, 100 + i, c.enemies[i]);
        b.w.HumanMembers[0] = 100;  // strikes of 5 with his stick
        AutoAct(b.w, b.f);
        EXPECT_EQ(b.f.player[0].shown, c.after) << c.what;
        for (int i = 0; i < int(c.enemies.size()); ++i) {
            EXPECT_EQ(b.w.HumanStamina[100 + i], i == c.struck ? 35 : 40) << c.what;
        }
        EXPECT_EQ(b.f.PlayerTurnSlot, c.friends.empty() ? 0 : 1) << c.what;
    }
}

TEST(AutoBattle, FiveAgainstFivePlaysOutToAResult) {
    for (bool realTime : {false, true}) {
        Board b(realTime);
        for (int i = 0; i < 5; ++i) {
            b.Player(i, i, {960 * i, 0});
            b.Enemy(i, 100 + i, {960 * i, 4320});
            b.w.HumanMembers[i] = 300;
            b.w.HumanMembers[100 + i] = 200;
        }
        const std::vector<std::string> messages = PlayOutFight(b.w, b.f);
        ASSERT_TRUE(b.f.over());
        EXPECT_EQ(b.f.result, FightResult::Won);
        EXPECT_EQ(messages, (std::vector<std::string>{kFightWon}));
        for (const Fighter& enemy : b.f.enemy)
            EXPECT_FALSE(enemy.present);
        EXPECT_FALSE(b.w.MapLocked);
    }
}

TEST(AutoBattle, KeysAreNotHeededWhileTheSideFightsByItself) {
    Board b;
    b.Player(0, 0, {0, 0});
    b.Enemy(0, 100, {0, 4320});
    b.f.autoBattle = true;
    PressKey(b.w, b.f, FightKey::Down);
    PressKey(b.w, b.f, FightKey::A);
    EXPECT_EQ(b.f.player[0].shown, (Position{0, 0}));
    EXPECT_FALSE(b.f.Aiming);
    AutoAct(b.w, b.f);
    EXPECT_EQ(b.f.player[0].shown, (Position{0, 480}));
}

TEST(AutoBattle, AFightWhereNobodyCanHurtAnybodyIsCalledOff) {
    Board b;
    b.Player(0, 0, {0, 0});
    b.Enemy(0, 100, {0, 4320});
    b.w.HumanMembers[0] = b.w.HumanMembers[100] = 10;  // Int(0.52): no damage
    EXPECT_EQ(PlayOutFight(b.w, b.f, 50), std::vector<std::string>{kFightDrawn});
    EXPECT_EQ(b.f.result, FightResult::Drawn);
    EXPECT_FALSE(b.w.MapLocked);
    EXPECT_EQ(b.w.HumanStamina[0], 40);
}

}  // namespace
}  // namespace golmok
