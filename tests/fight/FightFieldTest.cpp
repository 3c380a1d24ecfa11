#include <gtest/gtest.h>

#include <functional>

#include "fight/Board.h"

namespace golmok {
namespace {

using test::Board;

TEST(Weapons, IndexAndPower) {
    struct Case {
        const char* weapon;
        int index;
        double power;
    };
    const Case cases[] = {
        {"주먹", 0, 70}, {"각목", 1, 80}, {"사시미", 2, 90}, {"진검", 3, 100}, {"몽둥이", 0, 70}};
    for (const Case& c : cases) {
        EXPECT_EQ(WeaponIndex(c.weapon), c.index) << c.weapon;
        EXPECT_EQ(WeaponPower(WeaponIndex(c.weapon)), c.power) << c.weapon;
    }
}

TEST(StrikeDamage, TheStrikersFiguresTimesHisMembersPerThousandRoundedDown) {
    struct Case {
        double attack, defence, agility, morale, power, members, damage;
    };
    const Case cases[] = {
        {50, 40, 30, 100, 100, 20, 1},    // base 64: Int(1.28)
        {50, 40, 30, 100, 100, 15, 0},    // Int(0.96)
        {50, 40, 30, 100, 100, 16, 1},    // Int(1.024)
        {50, 40, 30, 100, 100, 0, 0},     // nobody to strike with
        {50, 40, 30, 100, 100, -5, 0},    // struck below zero, not yet off the board: no heal
        {50, 40, 30, 100, 70, 1000, 58},  // the same man bare-handed
        {50, 40, 30, 100, 100, 1000, 64},
    };
    World w = test::BlankWorld();
    for (const Case& c : cases) {
        w.HumanAttack[0] = c.attack;
        w.HumanDefence[0] = c.defence;
        w.HumanAgility[0] = c.agility;
        w.HumanMorale[0] = c.morale;
        w.HumanMembers[0] = c.members;
        EXPECT_EQ(StrikeDamage(w, 0, c.power), c.damage) << c.members << ' ' << c.power;
    }
}

TEST(PlayerMoves, RefusedStepsShowNothingAndKeepTheTurn) {
    struct Case {
        const char* what;
        Position at;
        FightKey key;
        bool accepted;
    };
    // Another player fighter stands at (960,480) and a computer fighter at (480,960).
    const Case cases[] = {
        {"off the right edge", {4320, 2400}, FightKey::Right, false},
        {"off the top", {2400, 0}, FightKey::Up, false},
        {"off the left edge", {0, 2400}, FightKey::Left, false},
        {"off the bottom", {2400, 4320}, FightKey::Down, false},
        {"onto the other player fighter", {480, 480}, FightKey::Right, false},
        {"onto a computer fighter", {480, 480}, FightKey::Down, false},
        {"into a free cell", {480, 480}, FightKey::Up, true},
        {"to the last column", {3840, 2400}, FightKey::Right, true},
    };
    for (const Case& c : cases) {
        Board b;
        b.Player(0, 0, c.at);
        b.Player(1, 1, {960, 480});
        b.Enemy(0, 100, {480, 960});
        const World before = b.w;
        EXPECT_TRUE(PressKey(b.w, b.f, c.key).empty());
        Position moved = c.at;
        if (c.key == FightKey::Right) moved.x += 480;
        if (c.key == FightKey::Left) moved.x -= 480;
        if (c.key == FightKey::Up) moved.y -= 480;
        if (c.key == FightKey::Down) moved.y += 480;
        EXPECT_EQ(b.f.player[0].shown, c.accepted ? moved : c.at) << c.what;
        EXPECT_EQ(b.f.PlayerTurnSlot, c.accepted ? 1 : 0) << c.what;
        EXPECT_EQ(b.w, before) << c.what;
    }
}

TEST(PlayerTurns, PassOverPresentSlotsAndWrapRound) {
    Board b;
    b.Player(0, 0, {0, 0});
    b.Player(1, 1, {960, 0});
    b.Player(3, 3, {2880, 0});
    b.Enemy(0, 100, {0, 4320});
    // Enter and any key outside the table pass the turn without a move while not aiming; so do
    // accepted steps.
    const FightKey keys[] = {FightKey::Enter, FightKey{90}, FightKey::Down, FightKey::Esc};
    const int turns[] = {1, 3, 0, 1};
    for (int i = 0; i < 4; ++i) {
        PressKey(b.w, b.f, keys[i]);
        EXPECT_EQ(b.f.PlayerTurnSlot, turns[i]) << i;
    }
    EXPECT_EQ(b.f.player[3].shown, (Position{2880, 480}));
}

TEST(PlayerTurns, ADeadActiveFighterForcesTheTurnOn) {
    struct Case {
        int dying;          // the active fighter who dies
        int next;           // who has the turn after the pass
        bool computerActs;  // whether the computer answers in a turn-based fight
    };
    // Slots 0, 1 and 3: the last in the line hands the turn back to the first unanswered.
    const Case cases[] = {{3, 0, false}, {1, 3, true}, {0, 1, true}};
    for (const Case& c : cases) {
        Board b(false);
        b.Player(0, 0, {0, 0});
        b.Player(1, 1, {960, 0});
        b.Player(3, 3, {2880, 0});
        b.Enemy(0, 100, {4320, 4320});
        b.f.PlayerTurnSlot = c.dying;
        b.w.HumanStamina[c.dying] = 0;
        EXPECT_TRUE(DeathPass(b.w, b.f).empty());
        EXPECT_FALSE(b.f.player[c.dying].present);
        EXPECT_EQ(b.f.PlayerTurnSlot, c.next) << c.dying;
        const Position stood{4320, 4320}, stepped{3840, 4320};
        EXPECT_EQ(b.f.enemy[0].shown, c.computerActs ? stepped : stood) << c.dying;
        EXPECT_FALSE(b.f.FightRelease);
    }
}

TEST(PlayerTurns, InATurnFightEveryUsedTurnIsAnsweredOnce) {
    Board b(false);
    b.Player(0, 0, {0, 0});
    b.Enemy(0, 100, {0, 4320});
    b.Enemy(1, 101, {960, 4320});
    PressKey(b.w, b.f, FightKey::Up);  // refused: costs nothing
    PressKey(b.w, b.f, FightKey::A);   // aiming costs nothing either
    PressKey(b.w, b.f, FightKey::Right);
    EXPECT_EQ(b.f.enemy[0].shown, (Position{0, 4320}));
    EXPECT_EQ(b.f.EnemyTurnSlot, 0);
    PressKey(b.w, b.f, FightKey::Enter);  // a strike at nothing: one answer
    EXPECT_EQ(b.f.enemy[0].shown, (Position{0, 3840}));
    EXPECT_EQ(b.f.EnemyTurnSlot, 1);
    PressKey(b.w, b.f, FightKey::Down);  // a step: the next computer fighter answers
    EXPECT_EQ(b.f.player[0].shown, (Position{0, 480}));
    EXPECT_EQ(b.f.enemy[1].shown, (Position{480, 4320}));
    EXPECT_EQ(b.f.EnemyTurnSlot, 0);
}

TEST(Aiming, TheWeaponMovesOneCellRoundTheFighterAtMost) {
    Board b;
    b.Player(0, 0, {960, 960});
    b.Player(1, 1, {1920, 0});
    b.Enemy(0, 100, {4320, 4320});
    b.w.HumanWeapon[0] = "사시미";
    PressKey(b.w, b.f, FightKey::A);
    EXPECT_TRUE(b.f.Aiming);
    EXPECT_EQ(b.f.AimWeapon, 2);
    EXPECT_TRUE(b.f.playerWeapons[2].visible);
    EXPECT_EQ(b.f.playerWeapons[2].shown, (Position{960, 960}));
    PressKey(b.w, b.f, FightKey::Down);
    EXPECT_EQ(b.f.playerWeapons[2].shown, (Position{960, 1440}));
    PressKey(b.w, b.f, FightKey::Down);  // two cells away: refused
    EXPECT_EQ(b.f.playerWeapons[2].shown, (Position{960, 1440}));
    PressKey(b.w, b.f, FightKey::Left);
    EXPECT_EQ(b.f.playerWeapons[2].shown, (Position{480, 1440}));
    PressKey(b.w, b.f, FightKey{90});  // any other key does nothing while aiming
    PressKey(b.w, b.f, FightKey::A);   // back onto the fighter's cell
    EXPECT_EQ(b.f.playerWeapons[2].shown, (Position{960, 960}));
    EXPECT_EQ(b.f.player[0].shown, (Position{960, 960}));
    EXPECT_EQ(b.f.PlayerTurnSlot, 0);
    EXPECT_TRUE(b.f.Aiming);
}

TEST(Aiming, EnterStrikesTheCellUnderTheWeaponAndPassesTheTurn) {
    struct Case {
        const char* what;
        std::vector<FightKey> keys;  // after A
        double enemyStamina;
    };
    // The striker: attack 50, defence 40, agility 30, morale 100, 진검, 20 members: 1 a strike.
    const Case cases[] = {
        {"diagonal neighbour", {FightKey::Right, FightKey::Down, FightKey::Enter}, 39},
        {"empty cell", {FightKey::Left, FightKey::Enter}, 40},
        {"own cell", {FightKey::Enter}, 40},
    };
    for (const Case& c : cases) {
        Board b;
        b.Player(0, 0, {960, 960});
        b.Player(1, 1, {0, 0});
        b.Enemy(0, 100, {1440, 1440});
        b.w.HumanAttack[0] = 50;
        b.w.HumanDefence[0] = 40;
        b.w.HumanAgility[0] = 30;
        b.w.HumanMembers[0] = 20;
        b.w.HumanWeapon[0] = "진검";
        PressKey(b.w, b.f, FightKey::A);
        for (FightKey key : c.keys)
            PressKey(b.w, b.f, key);
        EXPECT_EQ(b.w.HumanStamina[100], c.enemyStamina) << c.what;
        EXPECT_EQ(b.w.HumanMembers[100], c.enemyStamina - 10) << c.what;
        EXPECT_EQ(b.f.PlayerTurnSlot, 1) << c.what;
        EXPECT_FALSE(b.f.Aiming) << c.what;
        EXPECT_FALSE(b.f.playerWeapons[3].visible) << c.what;
        EXPECT_EQ(b.f.player[0].shown, (Position{960, 960})) << c.what;
    }
}

TEST(Aiming, EscEndsAimingOnTheAttackingFieldOnly) {
    for (FightSide side : {FightSide::Attack, FightSide::Defence}) {
        Board b(true, side);
        b.Player(0, 0, {0, 0});
        b.Player(1, 1, {960, 0});
        b.Enemy(0, 100, {0, 4320});
        PressKey(b.w, b.f, FightKey::A);
        PressKey(b.w, b.f, FightKey::Esc);
        const bool attacking = side == FightSide::Attack;
        EXPECT_EQ(b.f.Aiming, !attacking);
        EXPECT_EQ(b.f.playerWeapons[b.f.AimWeapon].visible, !attacking);
        EXPECT_EQ(b.f.PlayerTurnSlot, attacking ? 1 : 0);
        // While moving, Esc passes the turn on both fields.
        if (!attacking) {
            PressKey(b.w, b.f, FightKey::Enter);
            PressKey(b.w, b.f, FightKey::Esc);
            EXPECT_EQ(b.f.PlayerTurnSlot, 0);
        }
    }
}

TEST(Aiming, InATurnFightTheComputerAnswersAStrikeBeforeItsDeathPass) {
    Board b(false);
    b.Player(0, 0, {0, 3840});
    b.Enemy(0, 100, {0, 4320});
    b.w.HumanMembers[0] = 1000;  // strikes of 52 with his stick
    b.w.HumanStamina[100] = 50;
    b.w.HumanMembers[100] = 500;
    PressKey(b.w, b.f, FightKey::A);
    PressKey(b.w, b.f, FightKey::Down);
    const std::vector<std::string> messages = PressKey(b.w, b.f, FightKey::Enter);
    // Struck down to -2 stamina and 448 members, he still hits back (Int(52 × 0.448) = 23)
    // before a pass takes him off the board; the strike's own pass then decides the fight.
    EXPECT_EQ(b.w.HumanStamina[0], 17);
    EXPECT_EQ(b.w.HumanMembers[0], 977);
    EXPECT_FALSE(b.f.enemy[0].present);
    EXPECT_EQ(b.w.HumanStamina[100], 0);
    EXPECT_EQ(messages, (std::vector<std::string>{kFightWon}));
}

TEST(Board, PiecesMoveOnlyWhileTheMapIsLocked) {
    Board b;
    b.Player(0, 0, {0, 0});
    b.Player(1, 1, {960, 0});
    b.Enemy(0, 100, {0, 4320});
    UnlockMap(b.w);
    PressKey(b.w, b.f, FightKey::Down);
    EXPECT_EQ(b.f.player[0].shown, (Position{0, 0}));
    EXPECT_EQ(b.f.PlayerTurnSlot, 1);  // the turn still passes
}

// What the field shows where a blow lands comes from the fight itself: each blow that struck
// somebody, whom and where, and what it took from him.
TEST(Strikes, EveryBlowThatLandsIsKeptUntilTheFieldTakesIt) {
    struct Case {
        const char* what;
        bool realTime;
        Position enemyAt;
        std::function<void(World&, Fight&)> event;
        std::vector<Strike> strikes;
    };
    const auto strikeBelow = [](World& w, Fight& f) {
        PressKey(w, f, FightKey::A);
        PressKey(w, f, FightKey::Down);
        PressKey(w, f, FightKey::Enter);
    };
    const Strike mine{false, 0, {0, 4320}, 52};
    const Strike his{true, 0, {0, 3840}, 23};  // Int(52 × 0.448) once he is down to 448 members
    const Case cases[] = {
        {"the player's blow, then the answer of a turn fight",
         false,
         {0, 4320},
         strikeBelow,
         {mine, his}},
        {"a blow at an empty cell", false, {2400, 4320}, strikeBelow, {}},
        {"a round fought by itself in a real-time fight",
         true,
         {0, 4320},
         [](World& w, Fight& f) { AutoRound(w, f); },
         {mine, his}},
    };
    for (const Case& c : cases) {
        Board b(c.realTime);
        b.Player(0, 0, {0, 3840});
        b.Enemy(0, 100, c.enemyAt);
        b.w.HumanMembers[0] = 1000;  // strikes of 52 with his stick
        b.w.HumanStamina[100] = 100;
        b.w.HumanMembers[100] = 500;
        const World before = b.w;
        c.event(b.w, b.f);
        EXPECT_EQ(b.f.strikes, c.strikes) << c.what;
        // Each kept blow is what its man lost.
        for (const Strike& s : c.strikes) {
            const int h = (s.playerSide ? b.f.player : b.f.enemy)[s.slot].human;
            EXPECT_EQ(before.HumanStamina[h] - b.w.HumanStamina[h], s.damage) << c.what;
        }
        EXPECT_EQ(TakeStrikes(b.f), c.strikes) << c.what;
        EXPECT_TRUE(b.f.strikes.empty()) << c.what;
    }
}

TEST(Strikes, AFightNobodyWatchesKeepsOnlyTheLatestBlows) {
    Board b;
    b.Player(0, 0, {0, 3840});
    b.Enemy(0, 100, {0, 4320});
    // Two equals whose blows shrink with their members: some eighty blows before one falls.
    b.w.HumanMembers[0] = b.w.HumanMembers[100] = 1000;
    b.w.HumanStamina[0] = b.w.HumanStamina[100] = 900;
    PlayOutFight(b.w, b.f);
    ASSERT_TRUE(b.f.over());
    ASSERT_EQ(b.f.strikes.size(), kStrikesKept);
    // The last one kept is the blow that ended the fight.
    const Strike& last = b.f.strikes.back();
    const int h = (last.playerSide ? b.f.player : b.f.enemy)[last.slot].human;
    EXPECT_EQ(b.w.HumanMembers[h], 0);
}

}  // namespace
}  // namespace golmok
