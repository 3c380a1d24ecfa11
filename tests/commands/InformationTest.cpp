#include <gtest/gtest.h>

#include "commands/CommandMenu.h"
#include "commands/Information.h"
#include "commands/PrizeDismissal.h"
#include "support/TestWorld.h"
#include "world/Tables.h"

namespace golmok {
namespace {

constexpr int kJongno = 0;

TEST(PersonInfo, ListsEverybodyInTheDistrictWithTheirFigures) {
    World w = test::BlankWorld();
    test::Place(w, 9, kJongno, 4, 31, 20, 45);
    test::Place(w, 4, kJongno, 0);
    w.HumanCanAct[4] = false;
    w.HumanRank[4] = kBossRank;
    w.HumanLoyalty[9] = 71;
    w.HumanCharm[9] = 3;
    w.HumanAgility[9] = 4;
    w.HumanIntelligence[9] = 6;
    w.HumanMorale[9] = 88;
    MenuState m;
    OpenCommandMenu(w, m, kJongno);  // a rival's district: only the information menu
    EXPECT_TRUE(MenuEnabled(m, Menu::Info));
    EXPECT_EQ(PersonInfoList(w, m), (std::vector<int>{4, 9}));
    EXPECT_EQ(PersonFigures(w, 9), (std::array<double, 10>{71, 31, 20, 3, 4, 25, 6, 45, 45, 88}));
    // Beside the figures: his gang, his rank and whether he has acted this week.
    EXPECT_EQ(PersonStandingOf(w, 4), (PersonStanding{w.GroupName[0], kBossRank, true}));
    EXPECT_EQ(PersonStandingOf(w, 9), (PersonStanding{w.GroupName[4], "조장", false}));
}

// Gang 6 holds 도봉 (money 100, swords 1, knives 2, sticks 3) and 강북 (money 50, 0, 0, 4).
World GroupFixture() {
    World w = test::BlankWorld();
    for (int d = 0; d < kCityCount; ++d) {
        if (w.CityOwnerColor[d] == w.GroupColor[6]) w.SetOwner(d, 5);
    }
    w.SetOwner(8, 6);
    w.CityMoney[8] = 100;
    w.CitySword[8] = 1;
    w.CityKnife[8] = 2;
    w.CityStick[8] = 3;
    w.SetOwner(10, 6);
    w.CityMoney[10] = 50;
    w.CityStick[10] = 4;
    w.GroupFame[6] = 77;
    test::Place(w, 30, 8, 6, 40, 40, 20);
    test::Place(w, 31, 3, 6, 40, 40, 15);  // standing in another gang's district
    w.HumanName[31] = kGroups[6].bossName;
    w.HumanRank[31] = kBossRank;
    return w;
}

TEST(GroupInfo, AddsTheGangsDistrictsAndPeople) {
    World w = GroupFixture();
    GroupFigures expected;
    expected.money = 150;
    expected.fame = 77;
    expected.boss = kGroups[6].bossName;
    expected.people = 2;
    expected.members = 35;
    expected.sword = 1;
    expected.knife = 2;
    expected.stick = 7;
    EXPECT_EQ(GroupInfoFigures(w, 6), expected);
    EXPECT_EQ(GroupInfoList(w), (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
}

TEST(GroupInfo, TellsTheGangsDistrictsHostilityAndAlliance) {
    World w = GroupFixture();
    w.GroupHostility[6] = 42;
    EXPECT_EQ(GroupRelationsOf(w, 6), (GroupRelations{{8, 10}, 42, false}));
    w.GroupAlly[6] = 1;
    w.SetOwner(10, 5);
    EXPECT_EQ(GroupRelationsOf(w, 6), (GroupRelations{{8}, 42, true}));
    // A gang holding nothing lists no district.
    w.SetOwner(8, 5);
    EXPECT_TRUE(GroupRelationsOf(w, 6).districts.empty());
}

TEST(GroupInfo, EmptyLabelsStayEmpty) {
    World w = GroupFixture();
    w.SetOwner(8, 5);
    w.SetOwner(10, 5);
    w.HumanRank[31] = "행동대장";  // the boss's name without the boss's rank
    const GroupFigures f = GroupInfoFigures(w, 6);
    EXPECT_EQ(f.money, std::nullopt);
    EXPECT_EQ(f.sword, std::nullopt);
    EXPECT_EQ(f.stick, std::nullopt);
    EXPECT_EQ(f.boss, "");
    EXPECT_EQ(f.people, 2);
    // A gang with nobody left counts no people.
    EXPECT_EQ(GroupInfoFigures(w, 3).people, std::nullopt);
}

TEST(GroupInfo, DismissedPersonNoLongerCounts) {
    World w = GroupFixture();
    w.SetOwner(8, 0);  // the player takes 도봉 and throws gang 6's man out
    MenuState m;
    OpenCommandMenu(w, m, 8);
    DismissPerson(w, m, 30);
    const GroupFigures f = GroupInfoFigures(w, 6);
    EXPECT_EQ(f.people, 1);
    EXPECT_EQ(f.members, 15);
    EXPECT_EQ(f.money, 50);
}

}  // namespace
}  // namespace golmok
