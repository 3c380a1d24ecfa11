// The six computer gangs' steps, one person or district at a time. The blank world's people stand
// nowhere with no figures, so only the people a test places can act.
#include <gtest/gtest.h>

#include "game/ComputerGangs.h"
#include "game/NewWorld.h"
#include "world/SharedRoutines.h"
#include "support/TestWorld.h"
#include "world/ValueRanges.h"

namespace golmok {
namespace {

// Districts used below and their owners at the start: 영등포 3 and 강서 9 (마적파, 5), 동대문 1
// (영웅파, 3), 강남 5 (지존파, 1), 도봉 8 (흑사파, 6), 서초 7 and 관악 12 (the player's 거지파, 0).
constexpr int kMajeok = 5;
constexpr int kPlayer = 0;

// ---------------------------------------------------------------------------------------------
// Commerce

struct CommerceCase {
    const char* what;
    double money;
    double intelligence;  // of the only person, a computer person standing elsewhere
    bool able;
    double commerce, moneyAfter;
    bool acted;
};

TEST(CommerceAI, DevelopsWhenMoneyExceedsTheCost) {
    // Population 100 and commerce 3 cost Int(100 × 3 / 10) = 30.
    const CommerceCase cases[] = {
        {"money above the cost", 5000, 4, true, 4, 4970, true},
        {"money exactly the cost", 30, 4, true, 3, 30, false},
        {"intelligence not above the commerce", 5000, 3, true, 3, 5000, false},
        {"the person has acted", 5000, 4, false, 3, 5000, false},
    };
    for (const CommerceCase& k : cases) {
        SCOPED_TRACE(k.what);
        World w = test::BlankWorld();
        // A district of the player, developed by a computer person standing in another one.
        w.CityPopulation[7] = 100;
        w.CityCommerce[7] = 3;
        w.CityMoney[7] = k.money;
        test::Place(w, 40, 3, kMajeok);
        w.HumanIntelligence[40] = k.intelligence;
        w.HumanCanAct[40] = k.able;
        CommerceAI(w);
        EXPECT_EQ(w.CityCommerce[7], k.commerce);
        EXPECT_EQ(w.CityMoney[7], k.moneyAfter);
        EXPECT_EQ(w.HumanCanAct[40], k.able && !k.acted);
    }
}

TEST(CommerceAI, OnlyTheFirstCleverPersonIsTriedAndPlayersPeopleNever) {
    World w = test::BlankWorld();
    w.CityPopulation[7] = 100;
    w.CityCommerce[7] = 3;
    w.CityMoney[7] = 30;  // not enough: the district is done all the same
    test::Place(w, 10, 7, kPlayer);
    w.HumanIntelligence[10] = 90;  // the player's man is no computer person
    test::Place(w, 11, 3, kMajeok);
    w.HumanIntelligence[11] = 50;
    test::Place(w, 12, 3, kMajeok);
    w.HumanIntelligence[12] = 90;
    CommerceAI(w);
    EXPECT_EQ(w.CityCommerce[7], 3);
    EXPECT_TRUE(w.HumanCanAct[11]);
    EXPECT_TRUE(w.HumanCanAct[12]);

    // With the money there, person 11 pays from district 7's coffers and person 12 goes on to the
    // next district with money.
    w.CityMoney[7] = 31;
    w.CityPopulation[9] = 100;
    w.CityCommerce[9] = 10;
    w.CityMoney[9] = 1000;
    CommerceAI(w);
    EXPECT_EQ(w.CityCommerce[7], 4);
    EXPECT_EQ(w.CityMoney[7], 1);
    EXPECT_FALSE(w.HumanCanAct[11]);
    EXPECT_EQ(w.CityCommerce[9], 11);
    EXPECT_EQ(w.CityMoney[9], 900);
    EXPECT_FALSE(w.HumanCanAct[12]);
    EXPECT_TRUE(w.HumanCanAct[10]);
}

// ---------------------------------------------------------------------------------------------
// Money

TEST(MoneyAI, YieldOfTheFlooredScoreInDoublePrecision) {
    struct Case {
        double figure;  // attack, defence (so stamina) and agility alike: the score
        double population, commerce, gain;
    } cases[] = {
        {60, 200, 10, 120}, {29, 100, 10, 28},  // (29 × 0.01) × 100 is 28.999999999999996
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.figure);
        World w = test::BlankWorld();
        w.CityPopulation[3] = k.population;
        w.CityCommerce[3] = k.commerce;
        w.CityMoney[3] = 1000;
        w.GroupFame[kMajeok] = 70;
        test::Place(w, 50, 3, kMajeok, k.figure, k.figure);
        w.HumanAgility[50] = k.figure;
        MoneyAI(w);
        EXPECT_EQ(w.CityMoney[3], 1000 + k.gain);
        EXPECT_EQ(w.GroupFame[kMajeok], 69);
        EXPECT_FALSE(w.HumanCanAct[50]);
    }
}

TEST(MoneyAI, BestAbleComputerPersonOfTheDistrictTiesToTheLowestIndex) {
    World w = test::BlankWorld();
    w.CityPopulation[3] = 100;
    w.CityCommerce[3] = 10;
    w.GroupFame[kMajeok] = 70;
    w.GroupFame[kPlayer] = 60;
    // Scores: 20 (able), 50 (acted already), 40 (player's), 30 and 30 (a tie).
    const double figures[] = {20, 50, 40, 30, 30};
    for (int i = 0; i < 5; ++i) {
        test::Place(w, 60 + i, 3, i == 2 ? kPlayer : kMajeok, figures[i], figures[i]);
        w.HumanAgility[60 + i] = figures[i];
    }
    w.HumanCanAct[61] = false;
    MoneyAI(w);
    EXPECT_EQ(w.CityMoney[3], 30);
    EXPECT_FALSE(w.HumanCanAct[63]);
    EXPECT_TRUE(w.HumanCanAct[64]);
    EXPECT_TRUE(w.HumanCanAct[60]);
    EXPECT_EQ(w.GroupFame[kMajeok], 69);
    EXPECT_EQ(w.GroupFame[kPlayer], 60);
}

TEST(MoneyAI, NobodyToCollectOrAScoreOfZero) {
    World w = test::BlankWorld();
    w.CityPopulation[3] = 100;
    w.CityCommerce[3] = 10;
    w.GroupFame[kMajeok] = 70;
    test::Place(w, 70, 3, kMajeok, 0, 0);    // score 0 collects nothing
    test::Place(w, 71, 9, kPlayer, 80, 80);  // the player's man in a computer district neither
    w.CityPopulation[9] = 100;
    w.CityCommerce[9] = 10;
    MoneyAI(w);
    EXPECT_EQ(w.CityMoney[3], 0);
    EXPECT_EQ(w.CityMoney[9], 0);
    EXPECT_EQ(w.GroupFame[kMajeok], 70);
    EXPECT_TRUE(w.HumanCanAct[70]);
}

// ---------------------------------------------------------------------------------------------
// Recruiting, morale

TEST(RecruitAI, FiveMoreMembersClampedAtTheTurnEnd) {
    struct Case {
        const char* what;
        int group;
        bool able;
        double leadership, members, after, checked;
        bool acted;
    } cases[] = {
        {"below leadership", kMajeok, true, 52, 50, 55, 52, true},
        {"far below", kMajeok, true, 52, 20, 25, 25, true},
        {"at leadership", kMajeok, true, 52, 52, 52, 52, false},
        {"has acted", kMajeok, false, 52, 20, 20, 20, false},
        {"the player's man", kPlayer, true, 52, 20, 20, 20, false},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.what);
        World w = test::BlankWorld();
        test::Place(w, 80, 3, k.group, 40, 40, k.leadership);
        w.HumanMembers[80] = k.members;
        w.HumanCanAct[80] = k.able;
        RecruitAI(w);
        EXPECT_EQ(w.HumanMembers[80], k.after);
        EXPECT_EQ(w.HumanCanAct[80], k.able && !k.acted);
        ErrorCheck(w);
        EXPECT_EQ(w.HumanMembers[80], k.checked);
    }
}

TEST(MoraleAI, TrainsUpTo60) {
    struct Case {
        double morale, after;
        bool able, ableAfter;
    } cases[] = {{59, 60, true, false}, {60, 60, true, true}, {10, 10, false, false}};
    for (const auto& k : cases) {
        SCOPED_TRACE(k.morale);
        World w = test::BlankWorld();
        test::Place(w, 90, 3, kMajeok);
        w.HumanMorale[90] = k.morale;
        w.HumanCanAct[90] = k.able;
        MoraleAI(w);
        EXPECT_EQ(w.HumanMorale[90], k.after);
        EXPECT_EQ(w.HumanCanAct[90], k.ableAfter);
    }
}

// ---------------------------------------------------------------------------------------------
// Healing, loyalty

struct PayCase {
    const char* what;
    double money;
    bool inDistrict;
    bool able;
    bool paid;
};

// Both steps pay from the money of the district the person stands in when it holds at least the
// cost, and treat people who have acted like the others.
const PayCase kPayCases[] = {
    {"exactly the cost", 300000, true, true, true},
    {"one short", 299999, true, true, false},
    {"has acted", 500000, true, false, true},
    {"in no district", 500000, false, true, false},
};

TEST(HealAI, FullStaminaForTenThousandAPoint) {
    for (const PayCase& k : kPayCases) {
        SCOPED_TRACE(k.what);
        World w = test::BlankWorld();
        test::Place(w, 100, 3, kMajeok, 50, 31);  // full stamina Int(40.5) = 40
        w.HumanStamina[100] = 10;                 // 30 points cost 300000
        w.HumanCanAct[100] = k.able;
        if (!k.inDistrict) w.HumanCity[100] = kJoblessCity;
        w.CityMoney[3] = k.money;
        HealAI(w);
        EXPECT_EQ(w.HumanStamina[100], k.paid ? 40 : 10);
        EXPECT_EQ(w.CityMoney[3], k.paid ? k.money - 300000 : k.money);
        EXPECT_EQ(w.HumanCanAct[100], k.able && !k.paid);
    }
}

TEST(HealAI, LeavesFullPeopleAndThePlayersMenAlone) {
    World w = test::BlankWorld();
    w.CityMoney[3] = 1000000;
    test::Place(w, 101, 3, kMajeok, 50, 31);  // already at 40
    test::Place(w, 102, 3, kPlayer, 50, 31);
    w.HumanStamina[102] = 0;
    HealAI(w);
    EXPECT_EQ(w.CityMoney[3], 1000000);
    EXPECT_TRUE(w.HumanCanAct[101]);
    EXPECT_EQ(w.HumanStamina[102], 0);
}

TEST(LoyaltyAI, FullLoyaltyForHundredThousandAPoint) {
    for (const PayCase& k : kPayCases) {
        SCOPED_TRACE(k.what);
        World w = test::BlankWorld();
        test::Place(w, 110, 3, kMajeok);
        w.HumanLoyalty[110] = 97;  // 3 points cost 300000
        w.HumanCanAct[110] = k.able;
        if (!k.inDistrict) w.HumanCity[110] = kJoblessCity;
        w.CityMoney[3] = k.money;
        test::Place(w, 111, 3, kPlayer);
        w.HumanLoyalty[111] = 50;  // never bought back by the computer
        LoyaltyAI(w);
        EXPECT_EQ(w.HumanLoyalty[110], k.paid ? 100 : 97);
        EXPECT_EQ(w.CityMoney[3], k.paid ? k.money - 300000 : k.money);
        EXPECT_EQ(w.HumanCanAct[110], k.able && !k.paid);
        EXPECT_EQ(w.HumanLoyalty[111], 50);
    }
}

// ---------------------------------------------------------------------------------------------
// Poaching

TEST(ScoutAI, RecruiterScoreAgainstTheLeastLoyalOutsider) {
    struct Case {
        double loyalty;
        bool taken;
    } cases[] = {{40, true}, {40.5, true}, {41, false}};
    for (const auto& k : cases) {
        SCOPED_TRACE(k.loyalty);
        World w = test::BlankWorld();
        // Recruiters in 영등포: 120 (charm 40 + intelligence 41, r = 40.5) beats 121 (80).
        test::Place(w, 120, 3, kMajeok);
        w.HumanCharm[120] = 40;
        w.HumanIntelligence[120] = 41;
        test::Place(w, 121, 3, kMajeok);
        w.HumanCharm[121] = 40;
        w.HumanIntelligence[121] = 40;
        // The player's man in 서초, members 33, loyalty as in the case; a less loyal man of
        // 마적파 stands in 영등포 itself and is not a target.
        test::Place(w, 122, 7, kPlayer, 40, 40, 33);
        w.HumanLoyalty[122] = k.loyalty;
        test::Place(w, 123, 3, kMajeok);
        w.HumanLoyalty[123] = 10;
        ScoutAI(w);
        if (k.taken) {
            EXPECT_EQ(w.HumanCity[122], "영등포");
            EXPECT_EQ(w.HumanGroup[122], "마적파");
            EXPECT_EQ(w.HumanLoyalty[122], k.loyalty);
            EXPECT_EQ(w.HumanMembers[122], 33);
            EXPECT_TRUE(w.HumanCanAct[122]);
        } else {
            EXPECT_EQ(w.HumanCity[122], "서초");
            EXPECT_EQ(w.HumanGroup[122], "거지파");
        }
        EXPECT_EQ(w.HumanCanAct[120], !k.taken);
        EXPECT_TRUE(w.HumanCanAct[121]);
    }
}

TEST(ScoutAI, LowestLoyaltyFirstIndexAndLaterDistrictsPoachAgain) {
    World w = test::BlankWorld();
    // Recruiters in 영등포 (3) and 강서 (9); the second is 불사파's man.
    test::Place(w, 130, 3, kMajeok);
    w.HumanCharm[130] = 60;
    w.HumanIntelligence[130] = 60;
    test::Place(w, 131, 9, 2);  // 불사파's man standing in 강서
    w.HumanCharm[131] = 90;
    w.HumanIntelligence[131] = 90;
    // Two equally disloyal people: the lower index is taken first; he is taken again by 강서.
    test::Place(w, 132, 12, kPlayer);
    w.HumanLoyalty[132] = 30;
    test::Place(w, 133, 12, kPlayer);
    w.HumanLoyalty[133] = 30;
    ScoutAI(w);
    EXPECT_EQ(w.HumanCity[132], "강서");
    EXPECT_EQ(w.HumanGroup[132], "불사파");
    EXPECT_EQ(w.HumanCity[133], "관악");
    EXPECT_FALSE(w.HumanCanAct[130]);
    EXPECT_FALSE(w.HumanCanAct[131]);
}

TEST(ScoutAI, NoRecruiterOrNoTargetPoachesNobody) {
    // No able computer person in any district, and a man of loyalty 0 somewhere: he stays.
    World w = test::BlankWorld();
    test::Place(w, 140, 3, kMajeok);
    w.HumanCanAct[140] = false;
    w.HumanCharm[140] = 90;
    test::Place(w, 141, 7, kPlayer);
    w.HumanLoyalty[141] = 0;
    ScoutAI(w);
    EXPECT_EQ(w.HumanCity[141], "서초");
    EXPECT_EQ(w.HumanGroup[141], "거지파");
    EXPECT_EQ(w.HumanCity[0], kJoblessCity);

    // A recruiter whose score reaches 100 and nobody short of full loyalty: nobody moves.
    World full = test::BlankWorld();
    test::Place(full, 142, 3, kMajeok);
    full.HumanCharm[142] = 100;
    full.HumanIntelligence[142] = 100;
    const World before = full;
    ScoutAI(full);
    EXPECT_EQ(full, before);
}

// ---------------------------------------------------------------------------------------------
// Attacks

// Every district holds five people of its owner who lead nobody and have no stamina: they fill
// the tallies (a party of five never outnumbers them) but are never picked to fight. People
// 0..124; tests empty the districts they want weak.
World GarrisonedWorld() {
    return test::GarrisonedWorld(5);
}

void Empty(World& w, int city) {
    for (int i = 0; i < 5; ++i)
        w.HumanCity[city * 5 + i] = kJoblessCity;
}

// Five fighters of 마적파 in 영등포 (3), people 150..154: 100 members and 100 stamina each.
void PlaceFighters(World& w, int city = 3, int group = kMajeok, double strength = 100) {
    for (int h = 150; h < 155; ++h)
        test::Place(w, h, city, group, strength, strength, strength);
}

bool AnyoneInAParty(const World& w) {
    for (int h = 0; h < kHumanCount; ++h) {
        if (w.HumanInAttackParty[h] || w.HumanInDefenceParty[h]) return true;
    }
    return false;
}

TEST(AttackAI, ConquersTheFirstWeakerDistrictInIndexOrder) {
    World w = GarrisonedWorld();
    PlaceFighters(w, 3, kMajeok, 40);  // strength 5 × (40 + 40) = 400
    w.HumanLeadership[150] = 30;       // 30 members: strength 390
    w.HumanMembers[150] = 30;
    // 종로 (0): 5 people, one of them leaving with 390 members: 4 people, 390 members in all,
    // not fewer than the party's strength.
    w.HumanCity[4] = kJoblessCity;
    w.HumanLeadership[0] = 390;
    w.HumanMembers[0] = 390;
    // 동대문 (1): 2 people, 200 members. 서대문 (2): 4 people, no members, weaker still but
    // later in the scan.
    Empty(w, 1);
    test::Place(w, 5, 1, 3, 60, 40, 100);  // stamina 50
    test::Place(w, 6, 1, 3, 60, 40, 100);
    w.HumanLoyalty[6] = 10;
    w.HumanCity[10] = kJoblessCity;
    w.HumanInDefenceParty[7] = true;  // stale flags are cleared

    AttackAI(w);
    EXPECT_EQ(w.OwnerOf(0), 4);
    EXPECT_EQ(w.OwnerOf(1), kMajeok);
    EXPECT_EQ(w.OwnerOf(2), 2);
    // The defenders join 마적파, beaten.
    for (int h : {5, 6}) {
        EXPECT_EQ(w.HumanGroup[h], "마적파");
        EXPECT_EQ(w.HumanCity[h], "동대문");
        EXPECT_EQ(w.HumanStamina[h], 0);
        EXPECT_EQ(w.HumanMembers[h], 50);
        EXPECT_EQ(w.HumanMorale[h], 90);
    }
    EXPECT_EQ(w.HumanLoyalty[5], 80);
    EXPECT_EQ(w.HumanLoyalty[6], -10);  // below 0 until the turn end's range check
    // The fighters move in; the district was held, so every one of them pays.
    for (int h = 150; h < 155; ++h) {
        EXPECT_EQ(w.HumanCity[h], "동대문");
        EXPECT_EQ(w.HumanStamina[h], -10);
        EXPECT_EQ(w.HumanLoyalty[h], 80);
        EXPECT_EQ(w.HumanMorale[h], 110);
        EXPECT_FALSE(w.HumanCanAct[h]);
    }
    EXPECT_EQ(w.HumanMembers[150], -20);
    EXPECT_EQ(w.HumanMembers[151], -10);
    EXPECT_EQ(w.CityHumanCount[1], 7);
    EXPECT_EQ(w.CityMemberTotal[1], 100);
    EXPECT_EQ(w.CityHumanCount[3], 10);  // the fighters who left are still counted there
    EXPECT_EQ(w.AttackFromCity, -1);
    EXPECT_FALSE(AnyoneInAParty(w));
}

TEST(AttackAI, FightersMovingInAttackAgainLaterInTheScan) {
    World w = GarrisonedWorld();
    PlaceFighters(w);
    Empty(w, 5);  // 강남, 지존파's, empty: taken from 영등포
    Empty(w, 8);  // 도봉, 흑사파's, empty: taken from 강남 by the same five
    AttackAI(w);
    EXPECT_EQ(w.OwnerOf(5), kMajeok);
    EXPECT_EQ(w.OwnerOf(8), kMajeok);
    // The first fighter walks into each empty district unhurt; the others pay twice.
    EXPECT_EQ(w.HumanMembers[150], 100);
    EXPECT_EQ(w.HumanStamina[150], 100);
    for (int h = 150; h < 155; ++h) {
        EXPECT_EQ(w.HumanCity[h], "도봉");
        EXPECT_EQ(w.HumanLoyalty[h], 60);
        EXPECT_EQ(w.HumanMorale[h], 120);
        if (h > 150) {
            EXPECT_EQ(w.HumanMembers[h], 0);
            EXPECT_EQ(w.HumanStamina[h], 0);
        }
    }
}

TEST(AttackAI, BossesTakenOverGetTheirLoyaltyBackInTheirGangsColour) {
    World w = GarrisonedWorld();
    PlaceFighters(w);
    Empty(w, 1);
    // 동대문's only defender is 황소뿔 by name, 마적파's boss serving the player: once 동대문 is
    // 마적파's, he stands in his gang's colour again.
    test::Place(w, 5, 1, kPlayer, 40, 40, 10);
    w.HumanName[5] = w.GroupBossName[kMajeok];
    w.HumanLoyalty[5] = 50;
    AttackAI(w);
    EXPECT_EQ(w.OwnerOf(1), kMajeok);
    EXPECT_EQ(w.HumanLoyalty[5], 100);
    EXPECT_EQ(w.HumanGroup[5], "마적파");
    EXPECT_EQ(w.HumanCity[150], "동대문");
}

TEST(AttackAI, DistrictsThatNeverAttack) {
    struct Case {
        const char* what;
        void (*setUp)(World&);
    } cases[] = {
        {"allied with the player", [](World& w) { w.GroupAlly[kMajeok] = 1; }},
        {"only the player's people",
         [](World& w) {
             for (int h = 150; h < 155; ++h)
                 w.HumanGroup[h] = w.PlayerGroupName;
         }},
        {"nobody with members or stamina",
         [](World& w) {
             for (int h = 150; h < 155; ++h) {
                 w.HumanMembers[h] = 0;
                 w.HumanStamina[h] = 0;
             }
         }},
        {"the only weak district is its own gang's",
         [](World& w) {
             w.CityOwnerColor[5] = w.GroupColor[kMajeok];
             w.CityOwnerColor[12] = w.GroupColor[kMajeok];
         }},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        World w = GarrisonedWorld();
        PlaceFighters(w);
        Empty(w, 5);   // 지존파's 강남
        Empty(w, 12);  // the player's 관악
        k.setUp(w);
        World expected = w;
        AttackAI(w);
        RecountCities(expected);
        expected.AttackFromCity = -1;
        EXPECT_EQ(w, expected);
    }
}

TEST(AttackAI, OneAttackOnThePlayerPlannedPerTurn) {
    World w = GarrisonedWorld();
    PlaceFighters(w);  // 영등포 (3)
    for (int h = 155; h < 160; ++h)
        test::Place(w, h, 9, kMajeok, 100, 100, 100);  // 강서 (9)
    // 서초 (7): the player's, two defenders with 100 members in all. 관악 (12): the player's,
    // empty, later in the index order.
    Empty(w, 7);
    test::Place(w, 35, 7, kPlayer, 40, 40, 50);
    test::Place(w, 36, 7, kPlayer, 40, 40, 50);
    Empty(w, 12);
    const World before = w;
    AttackAI(w);
    EXPECT_EQ(w.AttackFromCity, 3);
    EXPECT_EQ(w.AttackToCity, 7);
    // Nothing else moves now, and 강서 finds no target: the player's empty 관악 is safe too.
    EXPECT_TRUE(w.IsPlayerCity(7));
    EXPECT_TRUE(w.IsPlayerCity(12));
    EXPECT_EQ(w.HumanCity, before.HumanCity);
    EXPECT_EQ(w.HumanMembers, before.HumanMembers);
    EXPECT_EQ(w.HumanCanAct, before.HumanCanAct);
    EXPECT_FALSE(AnyoneInAParty(w));
}

TEST(AttackAI, EmptyPlayerDistrictTakenSilently) {
    World w = GarrisonedWorld();
    PlaceFighters(w);
    Empty(w, 12);  // the player's 관악
    AttackAI(w);
    EXPECT_EQ(w.OwnerOf(12), kMajeok);
    EXPECT_EQ(w.AttackFromCity, -1);
    for (int h = 150; h < 155; ++h) {
        EXPECT_EQ(w.HumanCity[h], "관악");
        // No fight: nobody loses members or stamina.
        EXPECT_EQ(w.HumanMembers[h], 100);
        EXPECT_EQ(w.HumanStamina[h], 100);
        EXPECT_EQ(w.HumanLoyalty[h], 80);
        EXPECT_EQ(w.HumanMorale[h], 110);
        EXPECT_FALSE(w.HumanCanAct[h]);
    }
    EXPECT_EQ(w.CityHumanCount[12], 5);
}

// 강한 조직: the five fighters of 영등포 (strength 10 × 75 = 750) against the player's 서초 (7),
// which holds its five garrison people and, in some cases, a sixth; one of them leads `members`.
// Every computer district holds five people and no members: only the new rule can find a target,
// and the player's other districts lead too many members for it.
TEST(AttackAI, StrongPartyFallsUponADistrictOfFiveOrMore) {
    struct Case {
        const char* what;
        bool strongGangs;
        double members;  // the member total of 서초
        int fighters;    // the party's size
        bool sixth;      // a sixth person in 서초, leading nobody
        bool planned;
    } cases[] = {
        {"more than three times", true, 249, 5, false, true},
        {"exactly three times", true, 250, 5, false, false},
        {"six people, more than three times", true, 249, 5, true, true},
        {"a party of four", true, 1, 4, false, false},
        {"the rule off", false, 0, 5, false, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        World w = GarrisonedWorld();
        w.options.strongGangs = k.strongGangs;
        PlaceFighters(w, 3, kMajeok, 75);
        // The player's other districts are out of reach.
        for (int c = 0; c < kCityCount; ++c) {
            if (c != 7 && w.IsPlayerCity(c)) {
                w.HumanLeadership[c * 5] = 1000;
                w.HumanMembers[c * 5] = 1000;
            }
        }
        for (int h = 150 + k.fighters; h < 155; ++h)
            w.HumanCity[h] = kJoblessCity;
        w.HumanLeadership[35] = k.members;
        w.HumanMembers[35] = k.members;
        if (k.sixth) test::Place(w, 160, 7, kPlayer, 0, 0, 0);
        const World before = w;
        AttackAI(w);
        EXPECT_EQ(w.AttackFromCity, k.planned ? 3 : -1);
        if (k.planned) {
            EXPECT_EQ(w.AttackToCity, 7);
        }
        // Nobody moves and no computer district changes hands.
        EXPECT_EQ(w.CityOwnerColor, before.CityOwnerColor);
        EXPECT_EQ(w.HumanCity, before.HumanCity);
    }
}

// The turn end runs the eight steps together, sharing where everybody stands between them; it
// must come to exactly what the steps give one by one, over many turns of the shipped world's
// wars.
TEST(RunComputerGangs, SameAsTheEightStepsOneByOne) {
    for (int player : {0, 2, 3, 4, 5, 6}) {
        SCOPED_TRACE(player);
        World together = BuildNewWorld(test::ShippedData());
        ChooseGroup(together, player);
        World oneByOne = together;
        for (int turn = 1; turn <= 200; ++turn) {
            RunComputerGangs(together);
            CommerceAI(oneByOne);
            MoneyAI(oneByOne);
            RecruitAI(oneByOne);
            HealAI(oneByOne);
            LoyaltyAI(oneByOne);
            MoraleAI(oneByOne);
            ScoutAI(oneByOne);
            AttackAI(oneByOne);
            ASSERT_EQ(together, oneByOne) << "turn " << turn;
            for (World* w : {&together, &oneByOne}) {
                ErrorCheck(*w);
                for (int h = 0; h < kHumanCount; ++h) {
                    w->HumanCanAct[h] = true;
                    w->HumanMorale[h] -= 1;
                }
            }
        }
        // The wars did happen: owners changed along the way.
        EXPECT_NE(together.CityOwnerColor, BuildNewWorld(test::ShippedData()).CityOwnerColor);
    }
}

TEST(RunComputerGangs, PoachedPlayersManFightsForHisNewGangInTheSameTurn) {
    World w = GarrisonedWorld();
    Empty(w, 5);  // 지존파's 강남, empty
    // 마적파's recruiter in 영등포 (r = 90; no stamina, so he collects no money and is still
    // free to poach) lures the player's disloyal man out of 서초; the two then make 영등포's
    // party and take 강남.
    test::Place(w, 150, 3, kMajeok, 0, 0, 100);
    w.HumanCharm[150] = 90;
    w.HumanIntelligence[150] = 90;
    test::Place(w, 160, 7, kPlayer, 100, 100, 100);
    w.HumanLoyalty[160] = 30;
    RunComputerGangs(w);
    EXPECT_EQ(w.HumanGroup[160], "마적파");
    EXPECT_EQ(w.OwnerOf(5), kMajeok);
    EXPECT_EQ(w.HumanCity[150], "강남");
    EXPECT_EQ(w.HumanCity[160], "강남");
    EXPECT_EQ(w.CityHumanCount[5], 2);
}

}  // namespace
}  // namespace golmok
