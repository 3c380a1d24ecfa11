#include <gtest/gtest.h>

#include "support/TestWorld.h"
#include "world/World.h"

namespace golmok {
namespace {

TEST(World, OwnerIsTheGangOfTheColour) {
    World w = test::BlankWorld();
    EXPECT_EQ(w.OwnerOf(7), 0);  // 서초, 거지파
    EXPECT_TRUE(w.IsPlayerCity(7));
    w.SetOwner(7, 5);
    EXPECT_EQ(w.OwnerOf(7), 5);
    EXPECT_EQ(w.CityOwnerColor[7], 0x0000FFu);
    EXPECT_FALSE(w.IsPlayerCity(7));
    w.CityOwnerColor[7] = 0x123456;
    EXPECT_EQ(w.OwnerOf(7), std::nullopt);
}

TEST(World, NamesToIndexesAreExact) {
    World w = test::BlankWorld();
    EXPECT_EQ(w.CityIndexOf("강동"), 24);
    EXPECT_EQ(w.CityIndexOf(" 강동"), std::nullopt);
    EXPECT_EQ(w.CityIndexOf(kJoblessCity), std::nullopt);
    EXPECT_EQ(w.GroupIndexOf("흑사파"), 6);
    EXPECT_EQ(w.GroupIndexOf(kJoblessGroup), std::nullopt);
    EXPECT_EQ(w.HumanIndexOf("사람193"), 193);
}

TEST(World, PeopleOfADistrict) {
    World w = test::BlankWorld();
    test::Place(w, 9, 3, 5);
    test::Place(w, 2, 3, 1);
    test::Place(w, 4, 3, 5);
    test::Place(w, 5, 4, 5);
    w.HumanCanAct[4] = false;
    EXPECT_EQ(w.HumansIn(3), (std::vector<int>{2, 4, 9}));
    EXPECT_EQ(w.ActiveHumansIn(3), (std::vector<int>{2, 9}));
    // Somebody whose place names no district is in none.
    w.HumanCity[9] = kJoblessCity;
    EXPECT_EQ(w.HumansIn(3), (std::vector<int>{2, 4}));
    EXPECT_TRUE(w.HumansIn(0).empty());
}

TEST(World, IsAComparableValue) {
    World a = test::BlankWorld();
    World b = a;
    EXPECT_EQ(a, b);
    b.HumanMorale[100] -= 1;
    EXPECT_NE(a, b);
}

TEST(World, FullStaminaIsHalfOfAttackAndDefenceRoundedDown) {
    World w = test::BlankWorld();
    test::Place(w, 0, 0, 0, 31, 20);
    EXPECT_EQ(w.FullStamina(0), 25);
    EXPECT_EQ(w.HumanStamina[0], 25);
}

}  // namespace
}  // namespace golmok
