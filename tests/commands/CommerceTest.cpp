#include <gtest/gtest.h>

#include "commands/CommandMenu.h"
#include "commands/Commerce.h"
#include "support/PrintOutcome.h"
#include "support/TestWorld.h"
#include "world/Numbers.h"

namespace golmok {
namespace {

constexpr int kSeocho = 7;

TEST(DevelopCommerce, NeedsIntelligenceAndInvestmentAboveTheLevel) {
    struct Case {
        double intelligence, amount, commerceAfter;
        const char* detail;  // the rise, or what it would have needed
    };
    // Population 1000, commerce 20: the investment must pass 2000.
    constexpr const char* kMoney = "상업도는 20 그대로입니다. 올리려면 2000보다 많은 돈이 필요합니다.";
    const Case cases[] = {
        {21, 2001, 21, "상업도가 20에서 21(으)로 올랐습니다."},
        {21, 2000, 20, kMoney},
        {20, 100000, 20, "상업도는 20 그대로입니다. 올리려면 지능이 20보다 높은 사람이 필요합니다."},
        {21, 0, 20, kMoney},
        {20, 2000, 20,
         "상업도는 20 그대로입니다. 올리려면 2000보다 많은 돈과 지능이 20보다 높은 사람이 "
         "필요합니다."},
    };
    for (const Case& c : cases) {
        World w = test::BlankWorld();
        test::Place(w, 3, kSeocho, 0);
        w.HumanIntelligence[3] = c.intelligence;
        w.CityPopulation[kSeocho] = 1000;
        w.CityCommerce[kSeocho] = 20;
        w.CityMoney[kSeocho] = 100000;
        MenuState m;
        OpenCommandMenu(w, m, kSeocho);
        EXPECT_EQ(DevelopCommerce(w, m, 3, c.amount), (Outcome{true, {kCommerceMessage}, c.detail}));
        EXPECT_EQ(w.CityCommerce[kSeocho], c.commerceAfter) << c.intelligence << ' ' << c.amount;
        EXPECT_EQ(w.CityMoney[kSeocho], 100000 - c.amount);
        EXPECT_FALSE(w.HumanCanAct[3]);
        EXPECT_TRUE(DevelopList(w, m).empty());
    }
}

TEST(DevelopCommerce, BarCutsDownAndTypingStopsAtTheMoney) {
    World w = test::BlankWorld();
    test::Place(w, 3, kSeocho, 0);
    w.CityMoney[kSeocho] = 1001;
    MenuState m;
    OpenCommandMenu(w, m, kSeocho);
    EXPECT_EQ(DevelopBarAmount(w, m, 75, 100), 750);
    const World before = w;
    EXPECT_EQ(DevelopCommerce(w, m, 3, 1002), Refused(TypedAmountMessage(1001)));
    EXPECT_EQ(DevelopCommerce(w, m, std::nullopt, 10), Refused(kChoosePerson));
    EXPECT_EQ(w, before);
}

TEST(CollectMoney, YieldGrowsWithFiguresPopulationAndCommerce) {
    struct Case {
        double commerce, income;
    };
    // a = (31 + 20 + 15 + 25) / 4 = 22.75; 0.2275 × 2097.8 = 477.2495.
    for (const Case& c : {Case{17, 477}, Case{0, 0}}) {
        World w = test::BlankWorld();
        test::Place(w, 3, kSeocho, 0, 31, 20);
        w.HumanAgility[3] = 15;
        w.HumanStamina[3] = 25;
        w.CityPopulation[kSeocho] = 1234;
        w.CityCommerce[kSeocho] = c.commerce;
        w.CityMoney[kSeocho] = 1000;
        w.GroupFame[0] = 50;
        MenuState m;
        OpenCommandMenu(w, m, kSeocho);
        EXPECT_EQ(CollectMoney(w, m, 3),
                  (Outcome{true, {kCollectedMessage}, "걷힌 돈: " + FormatNumber(c.income)}));
        EXPECT_EQ(w.CityMoney[kSeocho], 1000 + c.income);
        EXPECT_EQ(w.GroupFame[0], 49);
        EXPECT_FALSE(w.HumanCanAct[3]);
    }
}

TEST(CollectMoney, NoticesNameTheMoneyAndThePlayersFame) {
    World w = test::BlankWorld();
    test::Place(w, 3, kSeocho, 0, 31, 20);
    w.HumanAgility[3] = 15;
    w.HumanStamina[3] = 25;
    w.CityPopulation[kSeocho] = 1234;
    w.CityCommerce[kSeocho] = 17;
    w.GroupFame[0] = 50;
    MenuState m;
    OpenCommandMenu(w, m, kSeocho);
    w.options.notices = true;
    EXPECT_EQ(CollectMoney(w, m, 3), (Outcome{true,
                                              {kCollectedMessage, "돈이(가) + 477이 되었습니다.",
                                               "명성이(가) -1이 되었습니다."},
                                              "걷힌 돈: 477"}));
    const World before = w;
    EXPECT_EQ(CollectMoney(w, m, std::nullopt), Refused(kChoosePerson));
    EXPECT_EQ(w, before);
}

}  // namespace
}  // namespace golmok
