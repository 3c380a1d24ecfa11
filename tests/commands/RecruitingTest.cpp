#include <gtest/gtest.h>

#include "commands/CommandMenu.h"
#include "commands/Recruiting.h"
#include "support/PrintOutcome.h"
#include "support/TestWorld.h"

namespace golmok {
namespace {

constexpr int kSeocho = 7;

// Person 4 leads 40 members of leadership 50.
test::MenuWorld Fixture(double money = 1000000) {
    World w = test::BlankWorld();
    test::Place(w, 4, kSeocho, 0, 40, 40, 50);
    w.HumanMembers[4] = 40;
    w.CityMoney[kSeocho] = money;
    MenuState m;
    OpenCommandMenu(w, m, kSeocho);
    return {w, m};
}

TEST(Recruit, BarBuysOneMemberPerFull20000) {
    auto [w, m] = Fixture();
    EXPECT_EQ(RecruitMost(w, 4), 200000);
    EXPECT_EQ(RecruitBarAmount(w, 4, 50, 100), 100000);  // the bar's middle
    struct Case {
        double amount, members;
    };
    for (const Case& c :
         {Case{100000, 45}, Case{110000, 45}, Case{19999, 40}, Case{0, 40}, Case{200000, 50}}) {
        EXPECT_EQ(RecruitedMembers(w, 4, c.amount), c.members) << c.amount;
    }
}

TEST(Recruit, SpendsTheAmountAndTheAction) {
    auto [w, m] = Fixture();
    EXPECT_EQ(Recruit(w, m, 4, 110000), (Outcome{true, {kRecruitedMessage}, {}}));
    EXPECT_EQ(w.HumanMembers[4], 45);
    EXPECT_EQ(w.CityMoney[kSeocho], 890000);
    EXPECT_FALSE(w.HumanCanAct[4]);
    EXPECT_TRUE(RecruitList(w, m).empty());  // the dialog opens again without him
}

TEST(Recruit, MoneyEqualToTheAmountIsEnough) {
    struct Case {
        double money;
        bool done;
    };
    for (const Case& c : {Case{100000, true}, Case{99999, false}}) {
        auto [w, m] = Fixture(c.money);
        const World before = w;
        const Outcome outcome = Recruit(w, m, 4, 100000);
        EXPECT_EQ(outcome.done, c.done) << c.money;
        if (c.done) {
            EXPECT_EQ(w.CityMoney[kSeocho], 0);
        } else {
            EXPECT_EQ(outcome, Refused(kShortOfMoney));
            EXPECT_EQ(w, before);  // the action is not spent either
        }
    }
}

TEST(Recruit, RefusesAmountsTheBarCannotReach) {
    for (double amount : {200001.0, -20000.0, 20000.5}) {
        auto [w, m] = Fixture();
        const World before = w;
        EXPECT_EQ(Recruit(w, m, 4, amount), Refused(TypedAmountMessage(200000))) << amount;
        EXPECT_EQ(w, before);
    }
    auto [w, m] = Fixture();
    const World before = w;
    EXPECT_EQ(Recruit(w, m, std::nullopt, 20000), Refused(kChoosePerson));
    EXPECT_EQ(w, before);
}

TEST(Recruit, LeadershipAbove100IsCappedByTheValueChange) {
    auto [w, m] = Fixture(3000000);
    w.HumanLeadership[4] = 150;
    EXPECT_TRUE(Recruit(w, m, 4, 2200000).done);  // 110 members bought up to 150
    EXPECT_EQ(w.HumanMembers[4], 100);
}

TEST(Recruit, OverfullPersonGetsNoMoneyFromTheBar) {
    auto [w, m] = Fixture();
    w.HumanMembers[4] = 70;
    EXPECT_EQ(RecruitList(w, m), (std::vector<int>{4}));
    EXPECT_EQ(RecruitMost(w, 4), 0);
    EXPECT_EQ(RecruitBarAmount(w, 4, 100, 100), 0);
    EXPECT_EQ(Recruit(w, m, 4, 1), Refused(TypedAmountMessage(0)));
}

TEST(Recruit, ListsThoseWhoMayActAndCanLeadMore) {
    auto [w, m] = Fixture();
    test::Place(w, 2, kSeocho, 0);  // full
    test::Place(w, 6, kSeocho, 0);
    w.HumanMembers[6] = 3;
    w.HumanCanAct[6] = false;
    test::Place(w, 8, kSeocho, 0);
    w.HumanMembers[8] = 0;
    EXPECT_EQ(RecruitList(w, m), (std::vector<int>{4, 8}));
    EXPECT_EQ(RecruitGauge(w, 4, 45), (Gauge{45, 50}));
}

}  // namespace
}  // namespace golmok
