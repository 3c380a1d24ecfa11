#include <gtest/gtest.h>

#include "commands/CommandMenu.h"
#include "commands/Dialog.h"
#include "support/PrintOutcome.h"
#include "support/TestWorld.h"

namespace golmok {
namespace {

TEST(BarAmount, NearestWithHalvesUpOrCutDown) {
    struct Case {
        double base, offset, fullScale;
        double halfUp, down;
    };
    const Case cases[] = {
        {100, 0, 1000, 0, 0},         // left edge
        {100, 125, 1000, 13, 12},     // base × ratio = 12.5
        {100, 124.9, 1000, 12, 12},   // 12.49
        {100, 1000, 1000, 100, 100},  // right edge
        {100, 1500, 1000, 100, 100},  // beyond the right end: the end
        {100, -20, 1000, 0, 0},       // beyond the left end
        {20000, 1, 3, 6667, 6666},    // the ratio is single precision
        {10, 7, 10, 7, 7},            // 0.7 in single precision is below 0.7; cut down in double
        {1001, 3, 4, 751, 750},       // 750.75
        {1000, 500, 0, 0, 0},         // a bar without width picks nothing
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BarAmount(c.base, c.offset, c.fullScale), c.halfUp) << c.base << ' ' << c.offset;
        EXPECT_EQ(BarAmount(c.base, c.offset, c.fullScale, BarRounding::Down), c.down)
            << c.base << ' ' << c.offset;
    }
}

TEST(BarTracking, PressFreezesAndReleases) {
    MenuState m;
    EXPECT_TRUE(m.BarTracking);
    ToggleBarTracking(m);
    EXPECT_FALSE(m.BarTracking);
    ToggleBarTracking(m);
    EXPECT_TRUE(m.BarTracking);
}

TEST(AcceptTypedAmount, WholeNumbersUpToWhatTheBarReaches) {
    EXPECT_EQ(AcceptTypedAmount("500", 500), 500.0);
    EXPECT_EQ(AcceptTypedAmount("", 500), 0.0);
    EXPECT_EQ(AcceptTypedAmount("501", 500), std::nullopt);
    EXPECT_EQ(AcceptTypedAmount("-1", 500), std::nullopt);
    EXPECT_EQ(AcceptTypedAmount("2.5", 500), std::nullopt);
    EXPECT_EQ(TypedAmountMessage(1500.7), "0부터 1500까지의 정수를 입력해주세요.");
}

TEST(Outcome, CarriedShowsTheResultThenTheNotices) {
    World w = test::BlankWorld();
    w.CityMoney[7] = 20000;
    MenuState m;
    OpenCommandMenu(w, m, 7);
    w.options.notices = true;
    w.CityMoney[7] = 15000;
    EXPECT_EQ(Carried(w, m, "돈이 걷혀졌습니다."),
              (Outcome{true, {"돈이 걷혀졌습니다.", "돈이(가) -5000이 되었습니다."}, {}}));
    EXPECT_EQ(Refused("돈이 모자릅니다."), (Outcome{false, {"돈이 모자릅니다."}, {}}));
}

TEST(PeopleOfSelectedCity, ListsInIndexOrder) {
    World w = test::BlankWorld();
    test::Place(w, 30, 7, 0);
    test::Place(w, 3, 7, 0);
    test::Place(w, 4, 12, 0);
    w.HumanCanAct[30] = false;
    MenuState m;
    OpenCommandMenu(w, m, 7);
    EXPECT_EQ(PeopleOfSelectedCity(w, m, [](int) { return true; }), (std::vector<int>{3, 30}));
    EXPECT_EQ(PeopleOfSelectedCity(w, m, [&](int h) { return w.HumanCanAct[h]; }),
              (std::vector<int>{3}));
}

}  // namespace
}  // namespace golmok
