#include <gtest/gtest.h>

#include "support/TestWorld.h"
#include "world/ValueRanges.h"

namespace golmok {
namespace {

TEST(ErrorCheck, BringsEveryFigureIntoRange) {
    World w = test::BlankWorld();
    test::Place(w, 0, 0, 0, 31, 20, 90);  // full stamina 25
    w.HumanLoyalty[0] = -5;
    w.HumanStamina[0] = 40;
    w.HumanMembers[0] = 120;
    w.HumanMorale[0] = 101;
    test::Place(w, 1, 0, 0, 31, 20, 90);
    w.HumanLoyalty[1] = 130;
    w.HumanStamina[1] = -1;
    w.HumanMembers[1] = -50;
    w.HumanMorale[1] = -2;
    w.GroupHostility[2] = 120;
    w.GroupHostility[3] = -10;
    w.CityCommerce[4] = 101;
    w.CityCommerce[5] = -1;
    w.CityMoney[6] = -300;
    w.CityMoney[7] = 1e12;  // no upper bound
    ErrorCheck(w);
    EXPECT_EQ(w.HumanLoyalty[0], 0);
    EXPECT_EQ(w.HumanStamina[0], 25);
    EXPECT_EQ(w.HumanMembers[0], 90);
    EXPECT_EQ(w.HumanMorale[0], 100);
    EXPECT_EQ(w.HumanLoyalty[1], 100);
    EXPECT_EQ(w.HumanStamina[1], 0);
    EXPECT_EQ(w.HumanMembers[1], 0);
    EXPECT_EQ(w.HumanMorale[1], 0);
    EXPECT_EQ(w.GroupHostility[2], 100);
    EXPECT_EQ(w.GroupHostility[3], 0);
    EXPECT_EQ(w.CityCommerce[4], 100);
    EXPECT_EQ(w.CityCommerce[5], 0);
    EXPECT_EQ(w.CityMoney[6], 0);
    EXPECT_EQ(w.CityMoney[7], 1e12);
}

TEST(ErrorCheck, LeavesValuesInRangeAndFameAlone) {
    World w = test::BlankWorld();
    test::Place(w, 0, 0, 0, 31, 20, 90);
    w.HumanMembers[0] = 90;  // equal to the bound
    w.HumanStamina[0] = 25;
    w.GroupFame[1] = 500;
    w.GroupFame[2] = -40;
    World before = w;
    ErrorCheck(w);
    EXPECT_EQ(w, before);
}

constexpr int kSeocho = 7;

// The player's district 서초 with two people of the player's gang, and the panel as the command
// menu shows it when opened there.
struct PanelWorld {
    World world;
    Panel panel;
};
PanelWorld MenuOnSeocho() {
    World w = test::BlankWorld();
    test::Place(w, 10, kSeocho, 0, 40, 40, 30);
    test::Place(w, 11, kSeocho, 0, 40, 40, 25);
    w.CityPopulation[kSeocho] = 42513;
    w.CityMoney[kSeocho] = 20000;
    w.GroupFame[0] = 60;
    Panel panel;
    panel.open = true;
    panel.rows = PanelFigures(w, kSeocho, true, w.GroupFame[0]);
    return {w, panel};
}

TEST(ChangeValue, CapsLoyaltyAndMembersAtOneHundred) {
    auto [w, panel] = MenuOnSeocho();
    w.HumanLoyalty[10] = 130;
    w.HumanMembers[10] = 120;
    w.HumanMembers[11] = 100;
    ChangeValue(w, kSeocho, panel);
    EXPECT_EQ(w.HumanLoyalty[10], 100);
    EXPECT_EQ(w.HumanMembers[10], 100);
    EXPECT_EQ(w.HumanMembers[11], 100);
}

TEST(ChangeValue, AnnouncesEachChangedRowInOrderWhenAsked) {
    auto [w, panel] = MenuOnSeocho();
    w.options.notices = true;
    w.CityMoney[7] = 15000;
    test::Place(w, 12, 7, 0, 40, 40, 5);  // one more person with 5 members
    w.CityKnife[7] = 3;
    const std::vector<std::string> expected = {
        "돈이(가) -5000이 되었습니다.",
        "조폭인원이(가) + 1이 되었습니다.",
        "조직원수이(가) + 5이 되었습니다.",
        "사시미이(가) + 3이 되었습니다.",
    };
    EXPECT_EQ(ChangeValue(w, kSeocho, panel), expected);
    EXPECT_EQ(panel.rows[2], "15000");
    EXPECT_EQ(panel.rows[3], "3");
    EXPECT_EQ(panel.rows[6], "60");
    // Nothing changed since: nothing to say.
    EXPECT_TRUE(ChangeValue(w, kSeocho, panel).empty());
}

TEST(ChangeValue, SilentWithNoticesOffButThePanelFollows) {
    auto [w, panel] = MenuOnSeocho();
    w.CityMoney[7] = 15000;
    EXPECT_TRUE(ChangeValue(w, kSeocho, panel).empty());
    EXPECT_EQ(panel.rows[2], "15000");
}

TEST(ChangeValue, EmptyDistrictEmptiesThePeopleRows) {
    auto [w, panel] = MenuOnSeocho();
    w.options.notices = true;
    w.HumanCity[10] = w.CityName[0];
    w.HumanCity[11] = w.CityName[0];
    const auto notices = ChangeValue(w, kSeocho, panel);
    EXPECT_EQ(notices, (std::vector<std::string>{"조폭인원이(가) -2이 되었습니다.",
                                                 "조직원수이(가) -55이 되었습니다."}));
    EXPECT_EQ(panel.rows[3], "");
    EXPECT_EQ(panel.rows[6], "");
}

TEST(ChangeValue, LeavesDismissedPeopleOutAndShowsThePlayersFame) {
    World w = test::BlankWorld();
    test::Place(w, 10, 0, 4, 40, 40, 30);  // 종로, another gang's district
    test::Place(w, 11, 0, 4, 40, 40, 20);
    w.HumanRank[11] = kJoblessRank;
    w.GroupFame[4] = 90;
    w.GroupFame[0] = 60;
    // Opening the menu counts everybody standing there and shows the owner's fame.
    Panel panel;
    panel.rows = PanelFigures(w, 0, true, w.GroupFame[4]);
    EXPECT_EQ(panel.rows[3], "2");
    EXPECT_EQ(panel.rows[6], "50");
    EXPECT_EQ(panel.rows[8], "90");
    ChangeValue(w, 0, panel);
    EXPECT_EQ(panel.rows[3], "1");
    EXPECT_EQ(panel.rows[6], "30");
    EXPECT_EQ(panel.rows[8], "60");
}

}  // namespace
}  // namespace golmok
