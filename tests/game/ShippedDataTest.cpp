// The record files we ship make a sound world.
#include <gtest/gtest.h>

#include <set>

#include "game/NewWorld.h"
#include "support/TestWorld.h"
#include "world/Numbers.h"
#include "world/RecordFiles.h"
#include "world/Tables.h"

namespace golmok {
namespace {

class ShippedData : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { world_ = new World(BuildNewWorld(test::ShippedData())); }
    static void TearDownTestSuite() { delete world_; }
    static const World& w() { return *world_; }

  private:
    static inline World* world_ = nullptr;
};

TEST_F(ShippedData, EveryFileHoldsExactlyItsTable) {
    for (const RecordFileInfo& file : RecordFiles()) {
        EXPECT_EQ(ReadRecordFile(test::ShippedData() / file.name).size(),
                  static_cast<std::size_t>(RowsOf(file.table)))
            << file.name;
    }
}

TEST_F(ShippedData, NamesAreUniqueAndInTheMapsOrder) {
    std::set<std::string> names(w().HumanName.begin(), w().HumanName.end());
    EXPECT_EQ(names.size(), static_cast<std::size_t>(kHumanCount));
    EXPECT_EQ(names.count(""), 0u);
    for (int c = 0; c < kCityCount; ++c)
        EXPECT_EQ(w().CityName[c], kDistricts[c].name);
    for (int g = 0; g < kGroupCount; ++g)
        EXPECT_EQ(w().GroupName[g], kGroups[g].name);
}

TEST_F(ShippedData, EachBossLeadsHisGangFromOneOfItsDistricts) {
    for (int g = 0; g < kGroupCount; ++g) {
        auto boss = w().HumanIndexOf(kGroups[g].bossName);
        ASSERT_TRUE(boss.has_value()) << kGroups[g].bossName;
        EXPECT_EQ(w().HumanRank[*boss], kBossRank);
        EXPECT_EQ(w().HumanGroup[*boss], kGroups[g].name);
        auto city = w().CityIndexOf(w().HumanCity[*boss]);
        ASSERT_TRUE(city.has_value());
        EXPECT_EQ(kDistricts[*city].startOwner, g) << kGroups[g].bossName;
    }
    int bosses = 0;
    for (int h = 0; h < kHumanCount; ++h)
        bosses += w().HumanRank[h] == kBossRank;
    EXPECT_EQ(bosses, kGroupCount);
}

TEST_F(ShippedData, EveryoneStandsInADistrictOfAGang) {
    for (int h = 0; h < kHumanCount; ++h) {
        EXPECT_TRUE(w().CityIndexOf(w().HumanCity[h])) << h << ' ' << w().HumanCity[h];
        EXPECT_TRUE(w().GroupIndexOf(w().HumanGroup[h])) << h << ' ' << w().HumanGroup[h];
        EXPECT_FALSE(w().HumanRank[h].empty()) << h;
    }
}

TEST_F(ShippedData, FiguresAreInRange) {
    for (int h = 0; h < kHumanCount; ++h) {
        for (double figure :
             {w().HumanAttack[h], w().HumanDefence[h], w().HumanCharm[h], w().HumanAgility[h],
              w().HumanIntelligence[h], w().HumanLeadership[h]}) {
            EXPECT_TRUE(figure >= 1 && figure <= 100 && figure == Int(figure))
                << w().HumanName[h] << ' ' << figure;
        }
    }
    for (int c = 0; c < kCityCount; ++c) {
        EXPECT_GT(w().CityPopulation[c], 0);
        EXPECT_TRUE(w().CityCommerce[c] >= 0 && w().CityCommerce[c] <= 100);
        EXPECT_GE(w().CityMoney[c], 0);
    }
    // Every gang can trade arms at the start.
    for (int g = 0; g < kGroupCount; ++g)
        EXPECT_GE(w().GroupFame[g], 50);
}

}  // namespace
}  // namespace golmok
