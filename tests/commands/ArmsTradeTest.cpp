#include <gtest/gtest.h>

#include "commands/ArmsTrade.h"
#include "commands/CommandMenu.h"
#include "support/TestWorld.h"

namespace golmok {
namespace {

constexpr int kHome = 7;  // 서초, the player's
constexpr int kTrader = 3;

// The player's gang (fame 60) with one trader in 서초 and a few pieces in store.
test::MenuWorld ArmsWorld(double intelligence, double money) {
    World w = test::BlankWorld();
    w.GroupFame[0] = 60;
    test::Place(w, kTrader, kHome, 0);
    w.HumanIntelligence[kTrader] = intelligence;
    w.CityMoney[kHome] = money;
    w.CitySword[kHome] = 2;
    w.CityKnife[kHome] = 3;
    w.CityStick[kHome] = 4;
    MenuState m;
    OpenCommandMenu(w, m, kHome);
    return {w, m};
}

TEST(BuyArms, ClevererTradersPayLessOnceTheFullPriceIsThere) {
    struct Case {
        double intelligence, money;
        double moneyAfter;  // -1: refused for lack of money
    };
    // One sword and two knives: 70000 at the list price.
    const Case cases[] = {
        {85, 70000, 7000},                   // 90 %
        {80, 70000, 7000},                   // 90 % from 80
        {90, 70000, 14000},                  // 80 % from 90
        {99, 70000, 14000}, {79, 70000, 0},  // full price
        {85, 65000, -1},  // 63000 after the discount, but the dealers look at 70000 first
        {79, 69999, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.intelligence << " " << c.money);
        auto [w, m] = ArmsWorld(c.intelligence, c.money);
        const World before = w;
        const Outcome outcome = BuyArms(w, m, kTrader, {"1", "2", ""});
        if (c.moneyAfter < 0) {
            EXPECT_EQ(outcome, Refused("돈이 모자릅니다."));
            EXPECT_EQ(w, before);
            continue;
        }
        EXPECT_EQ(outcome, (Outcome{true, {"거래가 체결되었습니다."}, {}}));
        EXPECT_EQ(w.CityMoney[kHome], c.moneyAfter);
        EXPECT_EQ(w.CitySword[kHome], 3);
        EXPECT_EQ(w.CityKnife[kHome], 5);
        EXPECT_EQ(w.CityStick[kHome], 4);
        EXPECT_FALSE(w.HumanCanAct[kTrader]);
    }
}

TEST(SellArms, ClevererTradersGetABonus) {
    struct Case {
        double intelligence, moneyAfter;
    };
    // One sword, two knives, three sticks: 51000 at the selling price.
    const Case cases[] = {{79, 51000}, {80, 56100}, {89, 56100}, {90, 61200}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.intelligence);
        auto [w, m] = ArmsWorld(c.intelligence, 0);
        EXPECT_EQ(SellArms(w, m, kTrader, {"1", "2", "3"}),
                  (Outcome{true, {"거래가 체결되었습니다."}, {}}));
        EXPECT_EQ(w.CityMoney[kHome], c.moneyAfter);
        EXPECT_EQ(w.CitySword[kHome], 1);
        EXPECT_EQ(w.CityKnife[kHome], 1);
        EXPECT_EQ(w.CityStick[kHome], 1);
        EXPECT_FALSE(w.HumanCanAct[kTrader]);
    }
}

TEST(ArmsTrade, RefusalsChangeNothing) {
    using Operation = Outcome (*)(World&, MenuState&, std::optional<int>, const ArmsBoxes&);
    struct Case {
        const char* name;
        Operation operation;
        std::optional<int> trader;
        double fame;
        ArmsBoxes boxes;
        std::string message;
    };
    const Case cases[] = {
        {"buy, nobody", BuyArms, std::nullopt, 60, {"1", "", ""}, "사람을 선택해주세요."},
        {"sell, nobody", SellArms, std::nullopt, 60, {"1", "", ""}, "사람을 선택해주세요."},
        {"buy, fame 49", BuyArms, kTrader, 49, {"1", "", ""}, "명성 낮은 조직과는 거래 않해!"},
        {"sell, fame 49", SellArms, kTrader, 49, {"1", "", ""}, "명성 낮은 조직과는 거래 않해!"},
        // Typed amounts: whole pieces up to what the bar reaches, 1000 or the stock.
        {"buy 1001",
         BuyArms,
         kTrader,
         60,
         {"1001", "", ""},
         "0부터 1000까지의 정수를 입력해주세요."},
        {"buy -1", BuyArms, kTrader, 60, {"", "-1", ""}, "0부터 1000까지의 정수를 입력해주세요."},
        {"buy 0.5", BuyArms, kTrader, 60, {"", "", "0.5"}, "0부터 1000까지의 정수를 입력해주세요."},
        {"sell above stock",
         SellArms,
         kTrader,
         60,
         {"3", "", ""},
         "0부터 2까지의 정수를 입력해주세요."},
        {"sell -1", SellArms, kTrader, 60, {"", "", "-1"}, "0부터 4까지의 정수를 입력해주세요."},
        {"sell 1e2", SellArms, kTrader, 60, {"", "1e2", ""}, "0부터 3까지의 정수를 입력해주세요."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto [w, m] = ArmsWorld(85, 1000000);
        w.GroupFame[0] = c.fame;
        const World before = w;
        EXPECT_EQ(c.operation(w, m, c.trader, c.boxes), Refused(c.message));
        EXPECT_EQ(w, before);
    }
}

TEST(ArmsTrade, FameFiftyIsEnoughAndAnEmptyOrderStillTakesTheTurn) {
    auto [w, m] = ArmsWorld(85, 1000);
    w.GroupFame[0] = 50;
    OpenCommandMenu(w, m, kHome);
    World expected = w;
    expected.HumanCanAct[kTrader] = false;
    // Buying nothing has nothing to announce; selling nothing is still a deal.
    EXPECT_EQ(BuyArms(w, m, kTrader, {"", "", ""}), (Outcome{true, {}, {}}));
    EXPECT_EQ(w, expected);

    w = ArmsWorld(85, 1000).world;
    w.GroupFame[0] = 50;
    OpenCommandMenu(w, m, kHome);
    expected = w;
    expected.HumanCanAct[kTrader] = false;
    EXPECT_EQ(SellArms(w, m, kTrader, {"0", "0", "0"}),
              (Outcome{true, {"거래가 체결되었습니다."}, {}}));
    EXPECT_EQ(w, expected);
}

TEST(ArmsTrade, SellingTheWholeStockAndTheNotices) {
    auto [w, m] = ArmsWorld(70, 0);
    w.options.notices = true;
    const Outcome outcome = SellArms(w, m, kTrader, {"2", "3", "4"});
    EXPECT_TRUE(outcome.done);
    EXPECT_EQ(outcome.messages, (std::vector<std::string>{
                                    "거래가 체결되었습니다.", "돈이(가) + 90000이 되었습니다.",
                                    "각목이(가) -4이 되었습니다.", "진검이(가) -2이 되었습니다.",
                                    "사시미이(가) -3이 되었습니다."}));
    EXPECT_EQ(w.CitySword[kHome], 0);
    EXPECT_EQ(w.CityKnife[kHome], 0);
    EXPECT_EQ(w.CityStick[kHome], 0);
    // Nothing left to sell: the bars stop at 0.
    EXPECT_EQ(SellingBarBases(w, m), (Amounts<3>{0, 0, 0}));
}

TEST(ArmsTraders, OnlyThoseOfTheDistrictWhoMayStillAct) {
    auto [w, m] = ArmsWorld(85, 0);
    test::Place(w, 10, kHome, 0);
    test::Place(w, 11, kHome, 0);
    test::Place(w, 12, 12, 0);  // another district
    w.HumanCanAct[11] = false;
    EXPECT_EQ(ArmsTraders(w, m), (std::vector<int>{kTrader, 10}));
    BuyArms(w, m, kTrader, {"", "", ""});
    EXPECT_EQ(ArmsTraders(w, m), (std::vector<int>{10}));
}

TEST(OrderTotal, PricesOfTheLabels) {
    EXPECT_EQ(OrderTotal(kBuyingPrices, {1, 2, 3}), 85000);
    EXPECT_EQ(OrderTotal(kSellingPrices, {1, 2, 3}), 51000);
    EXPECT_EQ(BuyingBarBases(), (Amounts<3>{1000, 1000, 1000}));
}

}  // namespace
}  // namespace golmok
