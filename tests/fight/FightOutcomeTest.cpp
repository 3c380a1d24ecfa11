#include <gtest/gtest.h>

#include "fight/Board.h"
#include "fight/FightSetup.h"
#include "fight/FightSummary.h"

namespace golmok {
namespace {

using test::Board;

TEST(DeathPass, TheDeadLeaveTheBoardAndTheBarsFollowTheLiving) {
    for (bool bars : {true, false}) {
        Board b;
        b.w.options.healthBars = bars;
        b.Player(0, 0, {0, 0}).bar = HealthBar{true, 35, 35};
        b.Player(1, 1, {960, 0}).bar = HealthBar{true, 35, 35};
        b.Enemy(0, 100, {0, 4320}).bar = HealthBar{true, 35, 35};
        b.w.HumanMembers[0] = 0;  // 3 members struck by 3: dead whatever his stamina
        b.w.HumanStamina[1] = 20;
        b.w.HumanStamina[100] = -4;
        EXPECT_TRUE(DeathPass(b.w, b.f).empty());
        EXPECT_FALSE(b.f.player[0].present);
        EXPECT_FALSE(b.f.player[0].bar.visible);
        EXPECT_EQ(b.w.HumanStamina[0], 0);
        EXPECT_EQ(b.w.HumanMembers[0], 0);
        EXPECT_EQ(b.f.PlayerTurnSlot, 1);
        EXPECT_TRUE(b.f.player[1].present);
        EXPECT_EQ(b.f.player[1].bar.value, bars ? 25 : 35);  // Int((20 + 30) / 2)
        EXPECT_FALSE(b.f.enemy[0].present);
        EXPECT_EQ(b.w.HumanStamina[100], 0);
        EXPECT_EQ(b.w.HumanMembers[100], 0);
        EXPECT_FALSE(b.f.over());  // the computer's side stood when the pass reached it
    }
}

TEST(DeathPass, TheResultComesOnThePassAfterTheLastDeathAndOnlyOnce) {
    struct Case {
        bool playerFalls;
        FightResult result;
        const char* message;
    };
    for (const Case& c :
         {Case{true, FightResult::Lost, kFightLost}, Case{false, FightResult::Won, kFightWon}}) {
        Board b;
        b.Player(0, 0, {0, 0});
        b.Enemy(0, 100, {0, 480});
        b.w.HumanStamina[c.playerFalls ? 0 : 100] = 0;
        EXPECT_TRUE(DeathPass(b.w, b.f).empty());
        EXPECT_FALSE(b.f.over());
        EXPECT_EQ(DeathPass(b.w, b.f), (std::vector<std::string>{c.message}));
        EXPECT_EQ(b.f.result, c.result);
        EXPECT_TRUE(b.f.FightRelease);
        // Nothing runs after the result: no pass, no computer action, no key.
        const World after = b.w;
        const Fight field = b.f;
        EXPECT_TRUE(DeathPass(b.w, b.f).empty());
        EXPECT_TRUE(ComputerAct(b.w, b.f).empty());
        EXPECT_TRUE(PressKey(b.w, b.f, FightKey::Down).empty());
        EXPECT_TRUE(AutoAct(b.w, b.f).empty());
        EXPECT_EQ(b.w, after);
        EXPECT_EQ(b.f, field);
    }
}

TEST(DeathPass, TheLastPlayerFighterDyingOnHisTurnLeavesNoTurnToPass) {
    Board b(false);
    b.Player(0, 0, {0, 0});
    b.Enemy(0, 100, {4320, 4320});
    b.w.HumanStamina[0] = 0;
    EXPECT_TRUE(DeathPass(b.w, b.f).empty());
    EXPECT_EQ(b.f.enemy[0].shown, (Position{4320, 4320}));  // no answer to a turn nobody has
    EXPECT_EQ(DeathPass(b.w, b.f), (std::vector<std::string>{kFightLost}));
}

// The player (거지파, gang 0) attacks 도봉 (흑사파, gang 6) from 서초 with 0 and 1; 100 and 101 of
// 흑사파 defend, 102 of 흑사파 stands by, worn out. 발가락, 흑사파's boss (103), also stands in
// 도봉 at loyalty 50; the player's boss 번개손 (2) is among the attackers at loyalty 50.
struct AttackCase {
    World w = test::BlankWorld();
    Fight fight;

    AttackCase() {
        for (int h : {0, 1, 2})
            test::Place(w, h, 7, 0);
        for (int h : {100, 101, 102, 103})
            test::Place(w, h, 8, 6);
        // Nobody picks a fighter who has nothing left.
        for (int h : {102, 103})
            w.HumanStamina[h] = w.HumanMembers[h] = 0;
        w.HumanName[2] = "번개손";
        w.HumanName[103] = "발가락";
        w.HumanLoyalty[2] = w.HumanLoyalty[103] = 50;
        const FightSetup setup = OpenAttackSetup(w, 7);
        SetupOutcome out = ConfirmAttack(w, setup, SetupChoice{true, {0, 2}, true}, 8);
        fight = out.fight.value();
    }

    void Down(bool playerSide) {
        for (const Fighter& f : playerSide ? fight.player : fight.enemy) {
            if (f.human >= 0) w.HumanStamina[f.human] = 0;
        }
        DeathPass(w, fight);
    }
};

TEST(DeathPass, AFightNobodyCanHurtInIsCalledOffWithoutAWinner) {
    // Base 50 (40 + 40 + 0 + 100 + 70 over 5): 20 members strike for Int(1.0) = 1, 19 for 0.
    struct Case {
        FightSide side;
        double playerMembers, enemyMembers;
        bool drawn;
    };
    const Case cases[] = {
        {FightSide::Attack, 19, 19, true},
        {FightSide::Defence, 19, 19, true},
        {FightSide::Attack, 20, 19, false},  // one side can still win it
        {FightSide::Attack, 19, 20, false},
    };
    for (const Case& c : cases) {
        Board b(false, c.side);
        b.Player(0, 0, {0, 0});
        b.Enemy(0, 100, {0, 4320});
        b.w.HumanMembers[0] = c.playerMembers;
        b.w.HumanMembers[100] = c.enemyMembers;
        b.w.HumanCanAct[0] = false;
        const World before = b.w;
        const auto messages = DeathPass(b.w, b.f);
        if (!c.drawn) {
            EXPECT_TRUE(messages.empty());
            EXPECT_FALSE(b.f.over());
            EXPECT_TRUE(b.w.MapLocked);
            continue;
        }
        EXPECT_EQ(messages, std::vector<std::string>{kFightDrawn});
        EXPECT_EQ(b.f.result, FightResult::Drawn);
        EXPECT_FALSE(b.w.MapLocked);
        // Nobody changes sides or places and the district keeps its owner.
        EXPECT_EQ(b.w.HumanGroup, before.HumanGroup);
        EXPECT_EQ(b.w.HumanCity, before.HumanCity);
        EXPECT_EQ(b.w.CityOwnerColor, before.CityOwnerColor);
        // The defending field gives everybody his action back as it closes.
        EXPECT_EQ(b.w.HumanCanAct[0], c.side == FightSide::Defence);
        EXPECT_TRUE(DeathPass(b.w, b.f).empty());  // decided once
    }
}

TEST(DeathPass, ASideWhoseLastFighterFellLosesEvenWhenTheSurvivorsCannotHurtAnybody) {
    // The survivors have 19 members and strike for 0 (base 50). A side whose last fighter falls
    // in a pass is beaten at the next pass; the fight is called off only while both sides stand.
    struct Case {
        const char* what;
        bool playerFalls;
        bool secondPlayer;  // another player fighter, with 19 members, still stands
        FightResult result;
        const char* message;
    };
    const Case cases[] = {
        {"the player's last fighter falls", true, false, FightResult::Lost, kFightLost},
        {"the computer's last fighter falls", false, false, FightResult::Won, kFightWon},
        {"one of two player fighters falls", true, true, FightResult::Drawn, kFightDrawn},
    };
    for (const Case& c : cases) {
        Board b(false);
        b.Player(0, 0, {0, 0});
        if (c.secondPlayer) b.Player(1, 1, {960, 0});
        b.Enemy(0, 100, {0, 4320});
        for (int h : {0, 1, 100})
            b.w.HumanMembers[h] = 19;
        b.w.HumanStamina[c.playerFalls ? 0 : 100] = 0;
        const auto first = DeathPass(b.w, b.f);
        if (c.result == FightResult::Drawn) {
            EXPECT_EQ(first, std::vector<std::string>{c.message}) << c.what;
            EXPECT_EQ(b.f.result, c.result) << c.what;
            continue;
        }
        EXPECT_TRUE(first.empty()) << c.what;
        EXPECT_FALSE(b.f.over()) << c.what;
        EXPECT_TRUE(b.w.MapLocked) << c.what;
        EXPECT_EQ(DeathPass(b.w, b.f), std::vector<std::string>{c.message}) << c.what;
        EXPECT_EQ(b.f.result, c.result) << c.what;
        EXPECT_FALSE(b.w.MapLocked) << c.what;
        // Only a won attack takes the district.
        EXPECT_EQ(b.w.IsPlayerCity(b.f.city), !c.playerFalls) << c.what;
    }
}

TEST(SettleDeaths, DefendersWhoLeadNoMembersFallAtOnceAndAreToldApart) {
    // The computer sends whoever has members or stamina left, so a defender who leads nobody goes
    // out and falls at the opening pass, before the board could show him. A single pass left a
    // fight of such defenders waiting for a key with nobody on the board, and the summary named
    // fallen fighters the player never saw.
    struct Case {
        const char* name;
        int armed;  // how many of the five defenders (100.. in index order) lead 30 members
        FightResult afterOpening;
        std::vector<int> fallen;  // struck down on the board
        std::vector<int> unfit;
    };
    const Case cases[] = {
        {"nobody leads members", 0, FightResult::Won, {}, {100, 101, 102, 103, 104}},
        {"one leads members", 1, FightResult::Running, {100}, {101, 102, 103, 104}},
    };
    for (const Case& c : cases) {
        World w = test::BlankWorld();
        test::Place(w, 0, 7, 0);
        for (int h = 100; h < 105; ++h) {
            test::Place(w, h, 8, 6);
            if (h >= 100 + c.armed) w.HumanMembers[h] = 0;
        }
        const FightSetup setup = OpenAttackSetup(w, 7);
        Fight fight = ConfirmAttack(w, setup, SetupChoice{true, {0}, true}, 8).fight.value();

        // One pass alone takes the five off the board but decides nothing.
        World once = w;
        Fight onceFight = fight;
        DeathPass(once, onceFight);
        EXPECT_EQ(onceFight.result, FightResult::Running) << c.name;

        const auto messages = SettleDeaths(w, fight);
        EXPECT_EQ(fight.result, c.afterOpening) << c.name;
        EXPECT_EQ(messages.empty(), c.afterOpening == FightResult::Running) << c.name;
        const auto onBoard = std::count_if(fight.enemy.begin(), fight.enemy.end(),
                                           [](const Fighter& f) { return f.present; });
        EXPECT_EQ(onBoard, fight.over() ? 0 : c.armed) << c.name;
        if (!fight.over()) {
            // The one the player saw is struck down: the strike's pass, then the clock's.
            w.HumanStamina[100] = 0;
            DeathPass(w, fight);
            EXPECT_EQ(SettleDeaths(w, fight), std::vector<std::string>{kFightWon}) << c.name;
        }
        const FightSummary summary = SummarizeFight(w, fight);
        EXPECT_EQ(summary.unfit, c.unfit) << c.name;
        EXPECT_EQ(summary.enemyFallen, c.fallen) << c.name;
        EXPECT_EQ(summary.turned.size(), 5U) << c.name;
        const std::string text = FightSummaryText(w, summary);
        EXPECT_NE(text.find("싸워 보지도 못하고 쓰러진 사람: "), std::string::npos) << c.name;
    }
}

TEST(SettleDeaths, StopsAtAPassThatTakesNobody) {
    Board b(false);
    b.Player(0, 0, {0, 0});
    b.Enemy(0, 100, {0, 4320});
    b.Enemy(1, 101, {960, 4320});
    b.w.HumanStamina[101] = 0;
    EXPECT_TRUE(SettleDeaths(b.w, b.f).empty());
    EXPECT_FALSE(b.f.over());
    EXPECT_TRUE(b.f.enemy[0].present);
    EXPECT_FALSE(b.f.enemy[1].present);
}

TEST(AttackOutcome, WonTheDistrictAndTheDefendersJoinThePlayer) {
    AttackCase c;
    ASSERT_EQ(c.fight.enemy[0].human, 100);
    ASSERT_EQ(c.fight.enemy[1].human, 101);
    ASSERT_EQ(c.fight.enemy[2].human, -1);
    c.Down(false);
    EXPECT_EQ(DeathPass(c.w, c.fight), (std::vector<std::string>{kFightWon}));
    const World& w = c.w;
    EXPECT_FALSE(w.MapLocked);
    EXPECT_TRUE(w.IsPlayerCity(8));
    for (int h : {100, 101}) {
        EXPECT_EQ(w.HumanGroup[h], "거지파");
        EXPECT_EQ(w.HumanMorale[h], 90);
        EXPECT_EQ(w.HumanCity[h], "도봉");
        EXPECT_EQ(w.HumanLoyalty[h], 80);
    }
    for (int h : {0, 2}) {
        EXPECT_EQ(w.HumanGroup[h], "거지파");
        EXPECT_EQ(w.HumanMorale[h], 100);
        EXPECT_EQ(w.HumanCity[h], "도봉");
    }
    EXPECT_EQ(w.HumanLoyalty[0], 80);
    EXPECT_EQ(w.HumanLoyalty[2], 100);       // a boss in a district of his gang's colour
    EXPECT_EQ(w.HumanLoyalty[103], 30);      // 흑사파's boss no longer is
    EXPECT_EQ(w.HumanGroup[102], "흑사파");  // bystanders keep their gang
    EXPECT_EQ(w.HumanLoyalty[102], 80);
    EXPECT_EQ(w.HumanCity[1], "서초");
    EXPECT_EQ(w.HumanLoyalty[1], 100);
    EXPECT_EQ(w.GroupHostility[6], 95);
    EXPECT_FALSE(w.HumanCanAct[0]);  // the attackers have acted this turn
}

TEST(AttackOutcome, LostAndTheAttackersGoOverToTheDefenders) {
    AttackCase c;
    c.Down(true);
    EXPECT_EQ(DeathPass(c.w, c.fight), (std::vector<std::string>{kFightLost}));
    const World& w = c.w;
    EXPECT_FALSE(w.MapLocked);
    EXPECT_EQ(w.OwnerOf(8), 6);
    for (int h : {0, 2}) {
        EXPECT_EQ(w.HumanGroup[h], "흑사파");
        EXPECT_EQ(w.HumanMorale[h], 90);
        EXPECT_EQ(w.HumanCity[h], "도봉");
        EXPECT_EQ(w.HumanStamina[h], 0);
    }
    EXPECT_EQ(w.HumanLoyalty[0], 80);
    EXPECT_EQ(w.HumanLoyalty[2], 30);     // 번개손 stands in another gang's district
    EXPECT_EQ(w.HumanLoyalty[103], 100);  // 발가락 at home
    EXPECT_EQ(w.HumanGroup[100], "흑사파");
    EXPECT_EQ(w.HumanMorale[100], 100);
    EXPECT_EQ(w.HumanLoyalty[100], 80);
}

// 도봉 (흑사파) attacked 서초: 0 and 1 defend, 2 stands by; 100 and 101 attack from 도봉.
struct DefenceCase {
    World w = test::BlankWorld();
    Fight fight;

    DefenceCase() {
        for (int h : {0, 1, 2})
            test::Place(w, h, 7, 0);
        w.HumanName[2] = "번개손";
        w.HumanLoyalty[2] = 50;
        test::Place(w, 100, 8, 6);
        test::Place(w, 101, 8, 6);
        w.AttackFromCity = 8;
        w.AttackToCity = 7;
        LockMap(w);
        w.DefenceSetupOpen = true;
        w.HumanCanAct[2] = false;
        w.HumanWeapon.fill("주먹");  // as the turn end leaves everybody
        SetupOutcome out = ConfirmDefence(w, DefenceSetupOf(w), SetupChoice{true, {0, 1}, false});
        fight = out.fight.value();
    }

    void Down(bool playerSide) {
        for (const Fighter& f : playerSide ? fight.player : fight.enemy) {
            if (f.human >= 0) w.HumanStamina[f.human] = 0;
        }
        DeathPass(w, fight);
    }
};

TEST(DefenceOutcome, LostAndTheDistrictGoesToTheAttacker) {
    DefenceCase c;
    c.Down(true);
    EXPECT_EQ(DeathPass(c.w, c.fight), (std::vector<std::string>{kFightLost}));
    const World& w = c.w;
    EXPECT_EQ(w.OwnerOf(7), 6);
    EXPECT_FALSE(w.MapLocked);
    for (int h : {0, 1}) {
        EXPECT_EQ(w.HumanGroup[h], "흑사파");
        EXPECT_EQ(w.HumanMorale[h], 90);
        EXPECT_EQ(w.HumanLoyalty[h], 80);
    }
    for (int h : {100, 101}) {
        EXPECT_EQ(w.HumanCity[h], "서초");
        EXPECT_EQ(w.HumanGroup[h], "흑사파");
        EXPECT_EQ(w.HumanLoyalty[h], 80);
    }
    EXPECT_EQ(w.HumanGroup[2], "거지파");
    EXPECT_EQ(w.HumanLoyalty[2], 30);  // no boss comes back to full loyalty on this field
    for (int h = 0; h < kHumanCount; ++h)
        EXPECT_TRUE(w.HumanCanAct[h]) << h;
}

TEST(DefenceOutcome, WonAndTheAttackersJoinThePlayer) {
    DefenceCase c;
    c.Down(false);
    EXPECT_EQ(DeathPass(c.w, c.fight), (std::vector<std::string>{kFightWon}));
    const World& w = c.w;
    EXPECT_TRUE(w.IsPlayerCity(7));
    EXPECT_FALSE(w.MapLocked);
    for (int h : {100, 101}) {
        EXPECT_EQ(w.HumanGroup[h], "거지파");
        EXPECT_EQ(w.HumanMorale[h], 90);
        EXPECT_EQ(w.HumanCity[h], "서초");
        EXPECT_EQ(w.HumanLoyalty[h], 80);
    }
    EXPECT_EQ(w.HumanMorale[0], 100);
    EXPECT_EQ(w.HumanLoyalty[0], 80);
    EXPECT_EQ(w.HumanLoyalty[2], 30);
    EXPECT_EQ(w.OwnerOf(8), 6);
    for (int h = 0; h < kHumanCount; ++h)
        EXPECT_TRUE(w.HumanCanAct[h]) << h;
}

}  // namespace
}  // namespace golmok
