#include <gtest/gtest.h>

#include "world/SharedRoutines.h"
#include "support/TestWorld.h"

namespace golmok {
namespace {

TEST(RecountCities, CountsPeopleAndMembersWhereTheyStand) {
    World w = test::BlankWorld();
    test::Place(w, 20, 3, 5, 40, 40, 40);
    test::Place(w, 7, 3, 1, 40, 40, 25);
    test::Place(w, 8, 4, 1, 40, 40, 10);
    w.CityHumanCount[9] = 5;  // stale tallies are replaced
    w.CityMemberTotal[9] = 50;
    RecountCities(w);
    EXPECT_EQ(w.CityHumanCount[3], 2);
    EXPECT_EQ(w.CityMemberTotal[3], 65);
    EXPECT_EQ(w.CityHumanCount[4], 1);
    EXPECT_EQ(w.CityHumanCount[9], 0);
    EXPECT_EQ(w.CityMemberTotal[9], 0);
    double counted = 0;
    for (int c = 0; c < kCityCount; ++c)
        counted += w.CityHumanCount[c];
    EXPECT_EQ(counted, 3);  // the people standing nowhere are counted nowhere
}

TEST(RestoreBossLoyalty, OnlyInADistrictOfHisOwnGangsColour) {
    World w = test::BlankWorld();
    // 번개손, boss of 거지파 (gang 0), taken into 마적파 (5) and standing in 영등포 (3, 마적파).
    test::Place(w, 0, 3, 5);
    w.HumanName[0] = "번개손";
    w.HumanLoyalty[0] = 40;
    // Somebody else of 거지파 in 서초 (7, 거지파) is no boss.
    test::Place(w, 1, 7, 0);
    w.HumanLoyalty[1] = 40;
    RestoreBossLoyalty(w);
    EXPECT_EQ(w.HumanLoyalty[0], 40);
    EXPECT_EQ(w.HumanLoyalty[1], 40);
    // Moved into a district of 거지파's colour he is that gang's boss again, whatever his gang.
    w.HumanCity[0] = w.CityName[7];
    RestoreBossLoyalty(w);
    EXPECT_EQ(w.HumanLoyalty[0], 100);
    // A boss standing nowhere keeps what he has.
    w.HumanLoyalty[0] = 30;
    w.HumanCity[0] = kJoblessCity;
    RestoreBossLoyalty(w);
    EXPECT_EQ(w.HumanLoyalty[0], 30);
}

TEST(MapLock, LocksAndUnlocks) {
    World w = test::BlankWorld();
    LockMap(w);
    EXPECT_TRUE(w.MapLocked);
    UnlockMap(w);
    EXPECT_FALSE(w.MapLocked);
}

}  // namespace
}  // namespace golmok
