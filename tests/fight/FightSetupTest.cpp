#include <gtest/gtest.h>

#include "fight/FightSetup.h"
#include "support/TestWorld.h"
#include "world/SharedRoutines.h"

namespace golmok {
namespace {

constexpr int kHome = 7;    // 서초, the player's (gang 0)
constexpr int kTarget = 8;  // 도봉, 흑사파 (gang 6)
constexpr int kEnemyGang = 6;

// Six of the player's people in 서초 (0..5), whose command menu sends the attack, and two of
// 흑사파 in 도봉 (100, 101).
World AttackWorld() {
    World w = test::BlankWorld();
    for (int h = 0; h < 6; ++h)
        test::Place(w, h, kHome, 0);
    test::Place(w, 100, kTarget, kEnemyGang);
    test::Place(w, 101, kTarget, kEnemyGang);
    return w;
}

SetupChoice Selected(std::vector<int> people) {
    return SetupChoice{!people.empty(), std::move(people), true};
}

SetupOutcome Attack(World& w, const std::vector<std::pair<int, std::string>>& fighters,
                    int target = kTarget) {
    const FightSetup setup = OpenAttackSetup(w, kHome);
    SetupChoice choice;
    for (const auto& [h, weapon] : fighters) {
        ChooseFighterWeapon(w, h, weapon);
        choice.selected.push_back(h);
    }
    choice.personClicked = !fighters.empty();
    choice.targetClicked = true;
    return ConfirmAttack(w, setup, choice, target);
}

TEST(AttackSetup, ListsAbleFightersOfTheDistrictAndEveryOtherGangsDistrict) {
    World w = AttackWorld();
    w.HumanCanAct[1] = false;  // has acted
    w.HumanStamina[2] = 0;     // no strength
    w.HumanMembers[3] = 0;     // nobody to lead
    w.HumanStamina[4] = -5;    // only a stamina of exactly 0 keeps him off the list
    const FightSetup setup = AttackSetupOf(w, kHome);
    EXPECT_EQ(setup.people, (std::vector<int>{0, 4, 5}));
    EXPECT_EQ(setup.targets.size(), 21u);  // every district but the player's four
    for (int own : {7, 12, 20, 21}) {
        EXPECT_EQ(std::count(setup.targets.begin(), setup.targets.end(), own), 0);
    }
}

TEST(AttackSetup, SaysWhyNobodyCanBeSent) {
    struct Case {
        const char* name;
        void (*change)(World&, int h);
        const char* why;
    };
    const Case cases[] = {
        {"moved away", [](World& w, int h) { w.HumanCity[h] = w.CityName[kTarget]; }, kNobodyHere},
        {"acted", [](World& w, int h) { w.HumanCanAct[h] = false; }, kEveryoneActed},
        {"exhausted", [](World& w, int h) { w.HumanStamina[h] = 0; }, kEveryoneExhausted},
        {"no members", [](World& w, int h) { w.HumanMembers[h] = 0; }, kNobodyLeadsMembers},
    };
    for (const Case& c : cases) {
        World w = AttackWorld();
        EXPECT_EQ(AttackSetupOf(w, kHome).whyNoPeople, "");
        for (int h = 0; h < 6; ++h)
            c.change(w, h);
        const FightSetup setup = AttackSetupOf(w, kHome);
        EXPECT_TRUE(setup.people.empty()) << c.name;
        EXPECT_EQ(setup.whyNoPeople, c.why) << c.name;
        EXPECT_EQ(setup.whyNoTargets, "");
    }
    // Those who acted and those without strength together: the last rule that turned the rest
    // away is what the screen says.
    World w = AttackWorld();
    for (int h = 0; h < 6; ++h) {
        if (h % 2) {
            w.HumanCanAct[h] = false;
        } else {
            w.HumanStamina[h] = 0;
        }
    }
    EXPECT_EQ(AttackSetupOf(w, kHome).whyNoPeople, kEveryoneExhausted);
    for (int d = 0; d < kCityCount; ++d)
        w.SetOwner(d, 0);
    EXPECT_EQ(AttackSetupOf(w, kHome).whyNoTargets, kNoRivalDistrict);
}

TEST(AttackSetup, OpeningForgetsEarlierWeaponsAndParties) {
    World w = AttackWorld();
    w.HumanWeapon[0] = "진검";
    w.HumanInAttackParty[0] = true;
    w.HumanInDefenceParty[100] = true;
    OpenAttackSetup(w, kHome);
    EXPECT_EQ(w.HumanWeapon[0], "주먹");
    EXPECT_EQ(w.HumanWeapon[100], "주먹");
    EXPECT_FALSE(w.HumanInAttackParty[0]);
    EXPECT_FALSE(w.HumanInDefenceParty[100]);
}

TEST(AttackSetup, RefusalsOfTheChoiceChangeNothingAndComeInOrder) {
    struct Case {
        SetupChoice choice;
        const char* message;
        int target = kTarget;
    };
    const Case cases[] = {
        {SetupChoice{false, {}, false}, kChoosePerson},
        {SetupChoice{false, {0}, true}, kChoosePerson},
        {SetupChoice{true, {0}, false}, kChooseCity},
        {SetupChoice{true, {}, true}, kOneToFive},  // a click that unselected the only one
        {SetupChoice{true, {0, 1, 2, 3, 4, 5}, true}, kOneToFive},
        // What the screen does not list cannot be chosen: a rival, an own district, no district.
        {SetupChoice{true, {0, 100}, true}, kChoosePerson},
        {SetupChoice{true, {0}, true}, kChooseCity, 12},
        {SetupChoice{true, {0}, true}, kChooseCity, kCityCount},
    };
    for (const Case& c : cases) {
        World w = AttackWorld();
        const FightSetup setup = OpenAttackSetup(w, kHome);
        const World before = w;
        const SetupOutcome out = ConfirmAttack(w, setup, c.choice, c.target);
        EXPECT_EQ(out.outcome, Refused(c.message));
        EXPECT_FALSE(out.fight);
        EXPECT_EQ(w, before) << c.message;
    }
}

TEST(AttackSetup, FiveFightersGoOutInListOrder) {
    World w = AttackWorld();
    const SetupOutcome out =
        Attack(w, {{4, "주먹"}, {0, "주먹"}, {3, "주먹"}, {1, "주먹"}, {2, "주먹"}});
    ASSERT_TRUE(out.fight);
    EXPECT_TRUE(out.outcome.done);
    EXPECT_TRUE(out.outcome.messages.empty());
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(out.fight->player[i].human, i);  // the list's order, not the clicks'
        EXPECT_FALSE(w.HumanCanAct[i]);
        EXPECT_TRUE(w.HumanInAttackParty[i]);
    }
    EXPECT_TRUE(w.HumanCanAct[5]);
}

TEST(AttackSetup, StockChecksComeSwordKnifeStickAndARefusalCostsNothing) {
    struct Case {
        std::array<const char*, 3> weapons;  // for the people 0, 1, 2 with 4, 5 and 6 members
        double swords, knives, sticks;
        const char* refusal;  // nullptr: the fight starts
    };
    const Case cases[] = {
        {{"진검", "진검", "진검"}, 14, 0, 0, kSwordsShort},
        {{"진검", "진검", "진검"}, 15, 0, 0, nullptr},
        {{"사시미", "각목", "주먹"}, 0, 3, 5, kKnivesShort},
        {{"사시미", "각목", "주먹"}, 0, 4, 4, kSticksShort},
        {{"진검", "사시미", "각목"}, 3, 4, 5, kSwordsShort},  // every stock short: swords first
        {{"주먹", "주먹", "주먹"}, 0, 0, 0, nullptr},
    };
    for (const Case& c : cases) {
        World w = AttackWorld();
        for (int h = 0; h < 3; ++h)
            w.HumanMembers[h] = 4 + h;
        w.CitySword[kHome] = c.swords;
        w.CityKnife[kHome] = c.knives;
        w.CityStick[kHome] = c.sticks;
        const FightSetup setup = OpenAttackSetup(w, kHome);
        for (int h = 0; h < 3; ++h)
            ChooseFighterWeapon(w, h, c.weapons[h]);
        const World picked = w;
        const SetupOutcome out = ConfirmAttack(w, setup, Selected({0, 1, 2}), kTarget);
        if (!c.refusal) {
            EXPECT_TRUE(out.fight);
            EXPECT_EQ(w.CitySword[kHome], c.swords);  // a fight takes nothing from the stocks
            continue;
        }
        EXPECT_EQ(out.outcome, Refused(c.refusal));
        EXPECT_FALSE(out.fight);
        // Nobody lost his week or joined a party, no defender was picked, no hostility rose,
        // and the weapons picked are still picked.
        EXPECT_EQ(w, picked) << c.refusal;
        EXPECT_TRUE(w.HumanCanAct[0]);
        EXPECT_FALSE(w.HumanInAttackParty[0]);
        EXPECT_EQ(w.HumanWeapon[0], c.weapons[0]);
    }
}

TEST(AttackSetup, ARetryWithOthersSendsOnlyThoseSelectedNow) {
    World w = AttackWorld();
    w.CitySword[kHome] = 10;
    w.HumanMembers[0] = 20;
    const FightSetup setup = OpenAttackSetup(w, kHome);
    ChooseFighterWeapon(w, 0, "진검");
    EXPECT_EQ(ConfirmAttack(w, setup, Selected({0}), kTarget).outcome, Refused(kSwordsShort));
    // OK again on the same screen with somebody else: the first one keeps his action and does
    // not go along.
    const SetupOutcome out = ConfirmAttack(w, setup, Selected({1}), kTarget);
    ASSERT_TRUE(out.fight);
    EXPECT_EQ(out.fight->player[0].human, 1);
    EXPECT_FALSE(w.HumanInAttackParty[0]);
    EXPECT_TRUE(w.HumanCanAct[0]);
    EXPECT_TRUE(w.HumanInAttackParty[1]);
    EXPECT_FALSE(w.HumanCanAct[1]);
}

TEST(AttackSetup, AnEmptyDistrictIsTakenWithoutAFight) {
    World w = AttackWorld();
    const int empty = 9;  // 강서, 마적파, nobody in it
    const SetupOutcome out = Attack(w, {{0, "주먹"}, {2, "주먹"}}, empty);
    EXPECT_TRUE(out.takenOver);
    EXPECT_TRUE(out.outcome.done);
    EXPECT_TRUE(out.outcome.messages.empty());
    EXPECT_FALSE(out.fight);
    EXPECT_TRUE(w.IsPlayerCity(empty));
    EXPECT_EQ(w.HumanCity[0], w.CityName[empty]);
    EXPECT_EQ(w.HumanCity[2], w.CityName[empty]);
    EXPECT_EQ(w.HumanCity[1], w.CityName[kHome]);
    EXPECT_FALSE(w.MapLocked);
    EXPECT_EQ(w.GroupHostility[5], 75);
}

TEST(AttackSetup, DefendersAreTheStrongestWithTiesToTheLowerIndex) {
    World w = AttackWorld();
    // 100 and 101 both have 30 members + 40 stamina; 102 is stronger, 103 has nothing left,
    // 104 is one of the player's own people standing there: the picks ask no gang.
    test::Place(w, 102, kTarget, 3, 60, 60, 40);
    test::Place(w, 103, kTarget, kEnemyGang);
    w.HumanStamina[103] = 0;
    w.HumanMembers[103] = 0;
    test::Place(w, 104, kTarget, 0, 10, 10, 5);
    const SetupOutcome out = Attack(w, {{0, "주먹"}});
    ASSERT_TRUE(out.fight);
    const int expected[] = {102, 100, 101, 104, -1};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(out.fight->enemy[i].human, expected[i]) << i;
    EXPECT_FALSE(out.fight->enemy[4].present);
    EXPECT_FALSE(w.HumanInDefenceParty[103]);
    EXPECT_TRUE(w.HumanCanAct[103]);
    EXPECT_FALSE(w.HumanCanAct[100]);
}

TEST(AttackSetup, DefendersAreArmedInIndexOrderFromACopyOfTheStocks) {
    struct Case {
        double swords, knives, sticks;
        const char* weapon5;   // index 5 of the target, 6 members
        const char* weapon20;  // index 20, 8 members, stronger: slot 0
    };
    const Case cases[] = {
        {10, 0, 0, "진검", "주먹"},  {14, 0, 0, "진검", "진검"}, {5, 8, 0, "사시미", "주먹"},
        {5, 7, 8, "사시미", "각목"}, {0, 0, 0, "주먹", "주먹"},
    };
    for (const Case& c : cases) {
        World w = AttackWorld();
        w.HumanCity[100] = w.HumanCity[101] = kJoblessCity;
        test::Place(w, 5, kTarget, kEnemyGang);
        test::Place(w, 20, kTarget, kEnemyGang);
        w.HumanMembers[5] = 6;
        w.HumanMembers[20] = 8;
        w.CitySword[kTarget] = c.swords;
        w.CityKnife[kTarget] = c.knives;
        w.CityStick[kTarget] = c.sticks;
        const SetupOutcome out = Attack(w, {{0, "주먹"}});
        ASSERT_TRUE(out.fight);
        EXPECT_EQ(out.fight->enemy[0].human, 20);
        EXPECT_EQ(w.HumanWeapon[5], c.weapon5) << c.swords << ' ' << c.knives;
        EXPECT_EQ(w.HumanWeapon[20], c.weapon20) << c.swords << ' ' << c.knives;
        EXPECT_EQ(w.CitySword[kTarget], c.swords);
    }
}

TEST(AttackSetup, TheFieldOpensLockedWithTheTargetGangHostile) {
    for (bool bars : {true, false}) {
        World w = AttackWorld();
        w.options.healthBars = bars;
        w.BattleMode = BattleMode::Real;
        w.HumanStamina[1] = 35;  // 35 + 30 members: bar 32
        w.CitySword[kHome] = 30;
        const SetupOutcome out = Attack(w, {{0, "주먹"}, {1, "진검"}});
        ASSERT_TRUE(out.fight);
        const Fight& f = *out.fight;
        EXPECT_EQ(f.side, FightSide::Attack);
        EXPECT_TRUE(f.realTime);
        EXPECT_EQ(f.player[1].shown, (Position{960, 0}));
        EXPECT_EQ(f.enemy[1].shown, (Position{960, 4320}));
        EXPECT_TRUE(f.player[1].present);
        EXPECT_FALSE(f.player[2].present);
        EXPECT_EQ(f.player[1].bar, bars ? (HealthBar{true, 32, 32}) : HealthBar{});
        EXPECT_EQ(f.PlayerTurnSlot, 0);
        EXPECT_EQ(f.EnemyTurnSlot, 0);
        EXPECT_FALSE(f.Aiming);
        EXPECT_EQ((std::array{f.cityName, f.playerGroupName, f.enemyGroupName}),
                  (std::array<std::string, 3>{"도봉", "거지파", "흑사파"}));
        EXPECT_TRUE(w.MapLocked);
        EXPECT_EQ(w.GroupHostility[kEnemyGang], 95);
        EXPECT_EQ(w.GroupHostility[5], 75);
    }
}

// A turn end announced 도봉 (흑사파) attacking 서초: people 0..3 of the player stand in 서초,
// 100..101 of 흑사파 in 도봉.
World DefenceWorld() {
    World w = AttackWorld();
    w.HumanCity[4] = w.HumanCity[5] = kJoblessCity;
    w.AttackFromCity = kTarget;
    w.AttackToCity = kHome;
    LockMap(w);
    for (int h = 0; h < kHumanCount; ++h)
        w.HumanWeapon[h] = "주먹";
    w.DefenceSetupOpen = true;
    return w;
}

TEST(DefenceSetup, NothingHappensWithoutAnAnnouncedAttack) {
    for (int from : {-1, 8}) {
        World w = DefenceWorld();
        w.AttackFromCity = from;
        w.DefenceSetupOpen = from == -1;  // a bad plan, or no set-up on screen
        const World before = w;
        const SetupOutcome out = ConfirmDefence(w, DefenceSetupOf(w), Selected({0}));
        EXPECT_FALSE(out.fight);
        EXPECT_FALSE(out.outcome.done);
        EXPECT_EQ(w, before);
    }
}

TEST(DefenceSetup, AnAnnouncedAttackOnAnEmptyDistrictIsDroppedAndUnlocksTheMap) {
    struct Case {
        const char* what;
        bool announced;
        bool anybodyThere;  // somebody, even worn out, stands in the attacked district
        bool dropped;
    };
    const Case cases[] = {
        {"nobody in the district", true, false, true},
        {"a worn-out man in the district", true, true, false},
        {"no attack announced", false, false, false},
    };
    for (const Case& c : cases) {
        World w = DefenceWorld();
        w.DefenceSetupOpen = c.announced;
        for (int h = 0; h < 4; ++h)
            w.HumanCity[h] = kJoblessCity;
        if (c.anybodyThere) {
            w.HumanCity[2] = w.CityName[kHome];
            w.HumanStamina[2] = w.HumanMembers[2] = 0;
        }
        World expected = w;
        if (c.dropped) {
            expected.DefenceSetupOpen = false;
            UnlockMap(expected);
        }
        EXPECT_EQ(DropEmptyDefence(w), c.dropped) << c.what;
        EXPECT_EQ(w, expected) << c.what;
    }
}

TEST(DefenceSetup, ListsEverybodyInTheAttackedDistrict) {
    World w = DefenceWorld();
    w.HumanCanAct[1] = false;
    w.HumanStamina[2] = 0;
    w.HumanMembers[3] = 0;
    w.CitySword[kHome] = 7;
    const FightSetup setup = DefenceSetupOf(w);
    EXPECT_EQ(setup.people, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_TRUE(setup.targets.empty());
    EXPECT_EQ(setup.stocks, (std::array<double, 3>{7, 0, 0}));
}

TEST(DefenceSetup, RefusalsNeedNoDistrictAndAShortageComesBeforeAnyAttackerIsPicked) {
    World w = DefenceWorld();
    const FightSetup setup = DefenceSetupOf(w);
    EXPECT_EQ(ConfirmDefence(w, setup, SetupChoice{false, {}, false}).outcome,
              Refused(kChoosePerson));
    EXPECT_EQ(ConfirmDefence(w, setup, SetupChoice{true, {0, 1, 2, 3, 4, 5}, false}).outcome,
              Refused(kOneToFive));
    w.HumanWeapon[0] = "각목";
    const World picked = w;
    const SetupOutcome refused = ConfirmDefence(w, setup, Selected({0, 1}));
    EXPECT_EQ(refused.outcome, Refused(kSticksShort));
    // Nothing changed: both keep their week, neither defends yet, 각목 stays picked.
    EXPECT_EQ(w, picked);
    EXPECT_FALSE(w.HumanInDefenceParty[0]);
    EXPECT_TRUE(w.HumanCanAct[1]);
    EXPECT_EQ(w.HumanWeapon[0], "각목");

    w.HumanWeapon[0] = "주먹";
    const SetupOutcome out = ConfirmDefence(w, setup, Selected({0, 1}));
    ASSERT_TRUE(out.fight);
    EXPECT_EQ(out.fight->enemy[0].human, 100);
    EXPECT_EQ(out.fight->enemy[1].human, 101);
    EXPECT_EQ(out.fight->enemy[2].human, -1);
    EXPECT_FALSE(w.DefenceSetupOpen);
}

TEST(DefenceSetup, AttackersAreArmedFromTheirOwnDistrictOrKeepTheirWeapon) {
    World w = DefenceWorld();
    w.CitySword[kTarget] = 30;  // covers one of them (30 members each)
    w.HumanWeapon[101] = "각목";
    const SetupOutcome out = ConfirmDefence(w, DefenceSetupOf(w), Selected({2}));
    ASSERT_TRUE(out.fight);
    EXPECT_EQ(w.HumanWeapon[100], "진검");
    EXPECT_EQ(w.HumanWeapon[101], "각목");
    EXPECT_TRUE(w.HumanInAttackParty[100]);
    EXPECT_FALSE(w.HumanCanAct[101]);
}

TEST(DefenceSetup, TheDefendingFieldOpens) {
    World w = DefenceWorld();
    w.options.healthBars = true;
    const SetupOutcome out = ConfirmDefence(w, DefenceSetupOf(w), Selected({1, 3}));
    ASSERT_TRUE(out.fight);
    const Fight& f = *out.fight;
    EXPECT_EQ(f.side, FightSide::Defence);
    EXPECT_FALSE(f.realTime);
    EXPECT_EQ(f.player[0].human, 1);
    EXPECT_EQ(f.player[1].human, 3);
    EXPECT_EQ(f.player[0].bar, (HealthBar{true, 36, 35}));  // the player's bars reach one higher
    EXPECT_EQ(f.enemy[0].bar, (HealthBar{true, 35, 35}));
    EXPECT_EQ((std::array{f.cityName, f.playerGroupName, f.enemyGroupName}),
              (std::array<std::string, 3>{"서초", "거지파", "흑사파"}));
    EXPECT_EQ(f.city, kHome);
    EXPECT_EQ(f.fromCity, kTarget);
    EXPECT_EQ(w.GroupHostility[kEnemyGang], 95);
    EXPECT_EQ(w.GroupHostility[0], 75);
    EXPECT_TRUE(w.MapLocked);
}

TEST(DefenceSetup, StrongestDefendersWithTheBestWeaponsTheStocksAllow) {
    World w = DefenceWorld();
    // 0..3 have 30 members + 40 stamina; 10..15 have 31..36 members + 40 stamina.
    for (int h = 10; h < 16; ++h)
        test::Place(w, h, kHome, 0, 40, 40, 21 + h);
    w.CitySword[kHome] = 50;
    w.CityKnife[kHome] = 40;
    w.CityStick[kHome] = 34;
    const FightSetup setup = DefenceSetupOf(w);
    const SetupChoice choice = ChooseStrongestDefenders(w, setup);
    EXPECT_TRUE(choice.personClicked);
    EXPECT_EQ(choice.selected, (std::vector<int>{11, 12, 13, 14, 15}));
    const char* expected[] = {"진검", "사시미", "각목", "주먹", "주먹"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(w.HumanWeapon[11 + i], expected[i]) << i;
    EXPECT_TRUE(ConfirmDefence(w, setup, choice).fight);
}

TEST(DefenceSetup, DefendedByItselfToTheEnd) {
    World idle = AttackWorld();
    EXPECT_FALSE(DefendByItself(idle));  // no attack announced: nothing happens
    World w = DefenceWorld();
    for (int h : {0, 1, 2, 3})
        w.HumanMembers[h] = 300;  // strikes of 15 against 1
    std::vector<std::string> messages;
    const std::optional<Fight> fight = DefendByItself(w, &messages);
    ASSERT_TRUE(fight);
    EXPECT_EQ(fight->result, FightResult::Won);
    EXPECT_EQ(messages, (std::vector<std::string>{kFightWon}));
    EXPECT_EQ(fight->player[0].human, 0);
    EXPECT_EQ(fight->player[3].human, 3);
    EXPECT_EQ(w.HumanGroup[100], "거지파");
    EXPECT_FALSE(w.MapLocked);
    EXPECT_FALSE(w.DefenceSetupOpen);
}

}  // namespace
}  // namespace golmok
