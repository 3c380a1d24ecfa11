// The turn end as a whole: date, actions, morale, the computer gangs, the attack announcement and
// the defence set-up it leaves open; and 돈올리기.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

#include "game/TurnCycle.h"
#include "support/TestWorld.h"

namespace golmok {
namespace {

// Five people who lead nobody and have no stamina in every district but those skipped: they fill
// the tallies against a party of five and never fight themselves. People 0..124.
void Garrison(World& w, std::initializer_list<int> skipped = {}) {
    for (int c = 0; c < kCityCount; ++c) {
        if (std::find(skipped.begin(), skipped.end(), c) != skipped.end()) continue;
        for (int i = 0; i < 5; ++i)
            test::Place(w, c * 5 + i, c, *w.OwnerOf(c), 0, 0, 0);
    }
}

TEST(EndTurn, DateMovesOnAWeek) {
    struct Case {
        int year, month, week, nextYear, nextMonth, nextWeek;
    } cases[] = {
        {1930, 1, 1, 1930, 1, 2},
        {1930, 3, 4, 1930, 4, 1},
        {1930, 12, 4, 1931, 1, 1},
        {1931, 12, 3, 1931, 12, 4},
    };
    for (const Case& k : cases) {
        World w = test::BlankWorld();
        w.Year = k.year;
        w.Month = k.month;
        w.Week = k.week;
        EndTurn(w);
        EXPECT_EQ(w.Year, k.nextYear) << k.year << '/' << k.month << '/' << k.week;
        EXPECT_EQ(w.Month, k.nextMonth) << k.year << '/' << k.month << '/' << k.week;
        EXPECT_EQ(w.Week, k.nextWeek) << k.year << '/' << k.month << '/' << k.week;
    }
}

TEST(EndTurn, MoraleDropsBeforeTheGangsActAndEverybodyMayActAfter) {
    World w = test::BlankWorld();
    Garrison(w);
    test::Place(w, 150, 7, 0);  // the player's man, morale 0: kept at 0 by the range check
    w.HumanMorale[150] = 0;
    w.HumanCanAct[150] = false;
    // Computer men with nothing to do but train: at 60 one drops to 59 and trains back to 60,
    // at 61 the other drops to 60 and is left alone.
    test::Place(w, 151, 3, 5, 0, 0, 0);
    w.HumanMorale[151] = 60;
    test::Place(w, 152, 3, 5, 0, 0, 0);
    w.HumanMorale[152] = 61;
    w.AttackFromCity = 3;  // last turn's plan is forgotten
    w.AttackToCity = 7;
    const std::vector<std::string> messages = EndTurn(w);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(w.HumanMorale[150], 0);
    EXPECT_EQ(w.HumanMorale[151], 60);
    EXPECT_EQ(w.HumanMorale[152], 60);
    EXPECT_EQ(w.HumanMorale[160], 99);  // standing nowhere
    for (int h = 0; h < kHumanCount; ++h)
        EXPECT_TRUE(w.HumanCanAct[h]) << h;
    EXPECT_EQ(w.AttackFromCity, -1);
    EXPECT_EQ(w.AttackToCity, -1);
    EXPECT_FALSE(w.MapLocked);
    EXPECT_FALSE(w.DefenceSetupOpen);
}

TEST(EndTurn, RangeCheckRunsAfterTheGangs) {
    World w = test::BlankWorld();
    Garrison(w);
    // Recruiting takes members from 50 to 55 over a leadership of 52: back to 52.
    test::Place(w, 150, 3, 5, 0, 0, 52);
    w.HumanMembers[150] = 50;
    EndTurn(w);
    EXPECT_EQ(w.HumanMembers[150], 52);
}

// 중구 (14, 종로파's) holds five fighters; 종로 (0) is made the player's with two defenders, and
// every other district is filled with five people who never fight.
World WorldWithAnAttackComing() {
    World w = test::BlankWorld();
    Garrison(w, {0, 14});
    w.SetOwner(0, 0);
    test::Place(w, 0, 0, 0, 40, 40, 50);
    test::Place(w, 1, 0, 0, 40, 40, 50);
    for (int h = 150; h < 155; ++h)
        test::Place(w, h, 14, 4, 100, 100, 100);
    return w;
}

TEST(EndTurn, AnnouncedAttackLeavesTheDefenceSetUpOpen) {
    World w = WorldWithAnAttackComing();
    w.HumanCanAct[0] = false;
    w.HumanInAttackParty[1] = true;
    const std::vector<std::string> messages = EndTurn(w);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "종로에 중구이 맞짱까러 왔습니다.");
    EXPECT_EQ(w.AttackFromCity, 14);
    EXPECT_EQ(w.AttackToCity, 0);
    EXPECT_TRUE(w.MapLocked);
    EXPECT_TRUE(w.DefenceSetupOpen);
    EXPECT_TRUE(w.IsPlayerCity(0));
    for (int h = 0; h < kHumanCount; ++h) {
        EXPECT_EQ(w.HumanWeapon[h], "주먹") << h;
        EXPECT_FALSE(w.HumanInAttackParty[h]) << h;
        EXPECT_FALSE(w.HumanInDefenceParty[h]) << h;
        EXPECT_TRUE(w.HumanCanAct[h]) << h;
    }
    // The fighters wait in 중구 for the fight.
    EXPECT_EQ(w.HumanCity[150], "중구");
}

TEST(EndTurn, EmptyPlayerDistrictFallsWithoutAWord) {
    World w = WorldWithAnAttackComing();
    w.HumanCity[0] = kJoblessCity;
    w.HumanCity[1] = kJoblessCity;
    const std::vector<std::string> messages = EndTurn(w);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(w.OwnerOf(0), 4);
    EXPECT_EQ(w.HumanCity[150], "종로");
    EXPECT_FALSE(w.MapLocked);
    EXPECT_FALSE(w.DefenceSetupOpen);
    EXPECT_EQ(w.HumanWeapon[150], kDefaultWeapon);
}

// 초반 휴전 spares the player's districts, defended or empty, at the turn ends of the first four
// weeks of 1930; the fifth week's end attacks as usual, and with the truce off so does the first.
TEST(EndTurn, TruceSparesThePlayerInTheFirstFourWeeks) {
    struct Case {
        const char* what;
        bool truce;
        int year, month, week;  // the week being ended
        bool defended;          // 종로 holds its two defenders; else it is empty
        bool attacked;
    } cases[] = {
        {"truce off, week 1", false, 1930, 1, 1, true, true},
        {"week 1", true, 1930, 1, 1, true, false},
        {"week 4", true, 1930, 1, 4, true, false},
        {"week 4, empty", true, 1930, 1, 4, false, false},
        {"week 5", true, 1930, 2, 1, true, true},
        {"week 5, empty", true, 1930, 2, 1, false, true},
        {"a later year's first week", true, 1931, 1, 1, true, true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        World w = WorldWithAnAttackComing();
        w.options.truce = k.truce;
        w.Year = k.year;
        w.Month = k.month;
        w.Week = k.week;
        if (!k.defended) {
            w.HumanCity[0] = kJoblessCity;
            w.HumanCity[1] = kJoblessCity;
        }
        const std::vector<std::string> messages = EndTurn(w);
        const bool announced = !messages.empty();
        EXPECT_EQ(announced, k.attacked && k.defended);
        EXPECT_EQ(w.DefenceSetupOpen, k.attacked && k.defended);
        EXPECT_EQ(w.IsPlayerCity(0), k.defended || !k.attacked);
        EXPECT_EQ(w.HumanCity[150], k.attacked && !k.defended ? "종로" : "중구");
    }
}

TEST(AttackAnnouncement, NamesBothDistricts) {
    World w = test::BlankWorld();
    w.AttackFromCity = 3;
    w.AttackToCity = 12;
    EXPECT_EQ(AttackAnnouncement(w), "관악에 영등포이 맞짱까러 왔습니다.");
}

TEST(MoneyUp, TenMillionInEachOfThePlayersDistricts) {
    World w = test::BlankWorld();  // the player's 거지파 holds 서초, 관악, 금천 and 동작
    w.SetOwner(21, 5);
    w.CityMoney[7] = 5;
    const std::vector<std::string> messages = MoneyUp(w);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "돈이 올라갔습니다.");
    for (int c = 0; c < kCityCount; ++c) {
        const double expected = c == 7 ? 10000005 : (c == 12 || c == 20) ? 10000000 : 0;
        EXPECT_EQ(w.CityMoney[c], expected) << c;
    }
}

}  // namespace
}  // namespace golmok
