#include <gtest/gtest.h>

#include "commands/CommandMenu.h"
#include "commands/PrizeDismissal.h"
#include "support/PrintOutcome.h"
#include "support/TestWorld.h"
#include "world/Tables.h"

namespace golmok {
namespace {

constexpr int kSeocho = 7;

test::MenuWorld Fixture() {
    World w = test::BlankWorld();
    test::Place(w, 3, kSeocho, 0);
    w.CityMoney[kSeocho] = 5000000;
    MenuState m;
    OpenCommandMenu(w, m, kSeocho);
    return {w, m};
}

TEST(GivePrize, OneLoyaltyPointPerFull100000) {
    struct Case {
        double amount, loyaltyAfter;
    };
    const Case cases[] = {
        {250000, 92},
        {99999, 90},     // paid for nothing
        {2000000, 100},  // 110, capped by the value change
        {0, 90},
    };
    for (const Case& c : cases) {
        auto [w, m] = Fixture();
        w.HumanLoyalty[3] = 90;
        w.HumanCanAct[3] = false;  // the prize does not need the action
        ASSERT_EQ(PrizeList(w, m), (std::vector<int>{3}));
        EXPECT_EQ(GivePrize(w, m, 3, c.amount), (Outcome{true, {kPrizeMessage}, {}}));
        EXPECT_EQ(w.HumanLoyalty[3], c.loyaltyAfter) << c.amount;
        EXPECT_EQ(w.CityMoney[kSeocho], 5000000 - c.amount);
        EXPECT_EQ(PrizeList(w, m).empty(), c.loyaltyAfter == 100);
    }
}

TEST(GivePrize, RefusesWhatTheDistrictCannotPayAndMissingPerson) {
    auto [w, m] = Fixture();
    w.HumanLoyalty[3] = 90;
    const World before = w;
    EXPECT_EQ(GivePrize(w, m, 3, 5000001), Refused(TypedAmountMessage(5000000)));
    EXPECT_EQ(GivePrize(w, m, 3, 1.5), Refused(TypedAmountMessage(5000000)));
    EXPECT_EQ(GivePrize(w, m, std::nullopt, 100000), Refused(kChoosePerson));
    EXPECT_EQ(w, before);
    EXPECT_TRUE(GivePrize(w, m, 3, 5000000).done);  // all of it may go
    EXPECT_EQ(w.CityMoney[kSeocho], 0);
}

TEST(DismissPerson, TheOwnersBossIsNeverListed) {
    auto [w, m] = Fixture();
    w.HumanName[5] = kGroups[0].bossName;  // the player's boss, standing in his own district
    test::Place(w, 5, kSeocho, 0);
    test::Place(w, 6, kSeocho, 4);         // a lieutenant of another gang
    w.HumanName[7] = kGroups[3].bossName;  // another gang's boss is not this district's owner
    test::Place(w, 7, kSeocho, 3);
    OpenCommandMenu(w, m, kSeocho);
    EXPECT_EQ(DismissList(w, m), (std::vector<int>{3, 6, 7}));
    // In a rival's district his boss is the one left out.
    OpenCommandMenu(w, m, 0);
    test::Place(w, 8, 0, 4);
    w.HumanName[8] = kGroups[kDistricts[0].startOwner].bossName;
    test::Place(w, 9, 0, 4);
    EXPECT_EQ(DismissList(w, m), (std::vector<int>{9}));
}

TEST(DismissPerson, LeavesDistrictAndGangWithHisMembers) {
    auto [w, m] = Fixture();
    test::Place(w, 4, kSeocho, 0, 40, 40, 25);
    OpenCommandMenu(w, m, kSeocho);
    w.options.notices = true;
    EXPECT_EQ(DismissPerson(w, m, 4),
              (Outcome{true,
                       {kDismissedMessage, "조폭인원이(가) -1이 되었습니다.",
                        "조직원수이(가) -25이 되었습니다."}, {}}));
    EXPECT_EQ(w.HumanGroup[4], kJoblessGroup);
    EXPECT_EQ(w.HumanCity[4], kJoblessCity);
    EXPECT_EQ(w.HumanRank[4], kJoblessRank);
    EXPECT_EQ(w.HumanMembers[4], 25);
    EXPECT_EQ(DismissList(w, m), (std::vector<int>{3}));
    const World before = w;
    EXPECT_EQ(DismissPerson(w, m, std::nullopt), Refused(kChoosePerson));
    EXPECT_EQ(w, before);
}

}  // namespace
}  // namespace golmok
