#include <gtest/gtest.h>

#include <cmath>

#include "commands/CommandMenu.h"
#include "commands/Training.h"
#include "session/Session.h"
#include "world/SharedRoutines.h"
#include "support/PrintOutcome.h"
#include "support/TestWorld.h"
#include "world/ValueRanges.h"

namespace golmok {
namespace {

constexpr int kSeocho = 7;  // the player's district in the fixture
constexpr int kJongno = 0;  // a rival's

World Fixture() {
    World w = test::BlankWorld();
    w.CityMoney[kSeocho] = 1000000;
    OpenCommandMenu(w, kSeocho);
    return w;
}

TEST(Train, RaisesMoraleOrSpendsTheActionForNothing) {
    struct Case {
        double morale;
        Outcome outcome;
        double moraleAfter;
    };
    const Case cases[] = {
        {99, {true, {kTrainedMessage}}, 100},
        {0, {true, {kTrainedMessage}}, 1},
        {101, {false, {}}, 101},  // silent: the dialog stays and the action is gone
    };
    for (const Case& c : cases) {
        World w = Fixture();
        test::Place(w, 3, kSeocho, 0);
        w.HumanMorale[3] = c.morale;
        EXPECT_EQ(Train(w, 3), c.outcome) << c.morale;
        EXPECT_EQ(w.HumanMorale[3], c.moraleAfter);
        EXPECT_FALSE(w.HumanCanAct[3]);
    }
}

TEST(Train, NobodyChosenChangesNothing) {
    World w = Fixture();
    test::Place(w, 3, kSeocho, 0);
    w.HumanMorale[3] = 50;
    const World before = w;
    EXPECT_EQ(Train(w, std::nullopt), Refused(kChoosePerson));
    EXPECT_EQ(w, before);
}

TEST(Train, ListsThoseWhoMayActBelowFullMorale) {
    World w = Fixture();
    for (int h : {2, 4, 6, 8})
        test::Place(w, h, kSeocho, 0);
    test::Place(w, 9, kJongno, 0);
    w.HumanMorale[2] = 99;
    w.HumanMorale[4] = 99;
    w.HumanCanAct[4] = false;
    w.HumanMorale[6] = 100;
    w.HumanMorale[8] = 101;
    w.HumanMorale[9] = 50;
    EXPECT_EQ(TrainList(w), (std::vector<int>{2, 8}));
    Train(w, 2);
    EXPECT_EQ(TrainList(w), (std::vector<int>{8}));
}

TEST(Heal, MoneyMustExceedTheCost) {
    struct Case {
        double money;
        bool healed;
        double moneyAfter;
    };
    // attack 31, defence 20: full stamina 25; from 10 the cost is 150000.
    for (const Case& c : {Case{150000, false, 150000}, Case{150001, true, 1}}) {
        World w = Fixture();
        test::Place(w, 5, kSeocho, 0, 31, 20);
        w.HumanStamina[5] = 10;
        w.HumanCanAct[5] = false;  // healing does not need the action
        w.CityMoney[kSeocho] = c.money;
        OpenCommandMenu(w, kSeocho);
        ASSERT_EQ(HealList(w), (std::vector<int>{5}));
        EXPECT_EQ(HealCost(w, 5), 150000);
        const World before = w;
        const Outcome outcome = Heal(w, 5);
        EXPECT_EQ(outcome.done, c.healed);
        if (c.healed) {
            EXPECT_TRUE(outcome.messages.empty());  // no message of its own, notices are off
            EXPECT_EQ(w.HumanStamina[5], 25);
            EXPECT_TRUE(HealList(w).empty());
        } else {
            EXPECT_EQ(outcome, Refused(kShortOfMoney));
            EXPECT_EQ(w, before);
        }
        EXPECT_EQ(w.CityMoney[kSeocho], c.moneyAfter);
    }
}

TEST(Heal, ShowsOnlyTheNoticesWhenTheyAreOn) {
    World w = Fixture();
    test::Place(w, 5, kSeocho, 0, 31, 20);
    w.HumanStamina[5] = 24;
    OpenCommandMenu(w, kSeocho);
    w.options.notices = true;
    EXPECT_EQ(Heal(w, 5), (Outcome{true, {"돈이(가) -10000이 되었습니다."}}));
    EXPECT_EQ(Heal(w, std::nullopt), Refused(kChoosePerson));
}

TEST(Heal, StaminaAboveFullCostsNothingAndGainsNothing) {
    World w = Fixture();
    test::Place(w, 5, kSeocho, 0, 31, 20);
    w.HumanStamina[5] = 30;
    w.CityMoney[kSeocho] = 1;
    EXPECT_EQ(HealList(w), (std::vector<int>{5}));
    EXPECT_EQ(HealCost(w, 5), 0);
    EXPECT_EQ(HealGauge(w, 5), (Gauge{25, 25}));  // the bar never runs past its end
    EXPECT_TRUE(Heal(w, 5).done);
    EXPECT_EQ(w.HumanStamina[5], 25);
    EXPECT_EQ(w.CityMoney[kSeocho], 1);
}

TEST(Heal, GaugeOfAPersonWithoutStaminaIsEmpty) {
    World w = Fixture();
    test::Place(w, 5, kSeocho, 0, 0, 1);  // full stamina Int(0.5) = 0
    w.HumanStamina[5] = 3;
    EXPECT_EQ(HealGauge(w, 5), (Gauge{0, 0}));
    w.HumanStamina[5] = 0;
    EXPECT_EQ(HealGauge(w, 5), (Gauge{0, 0}));
}

// Person A leads 30 of leadership 40, person B 10 of leadership 50.
World ReorgFixture() {
    World w = Fixture();
    test::Place(w, 11, kSeocho, 0, 40, 40, 40);
    test::Place(w, 12, kSeocho, 0, 40, 40, 50);
    test::Place(w, 13, kJongno, 0, 40, 40, 50);
    w.HumanMembers[11] = 30;
    w.HumanMembers[12] = 10;
    OpenCommandMenu(w, kSeocho);
    OpenReorganizing(w);
    return w;
}

TEST(Reorganize, BarMovesMembersThroughThePool) {
    World w = ReorgFixture();
    EXPECT_EQ(w.reorg.people, (std::vector<int>{11, 12}));
    ChooseForReorganizing(w, 11);
    EXPECT_FLOAT_EQ(w.reorg.barRatio, 0.75f);
    ReorganizeByBar(w, 11, 25, 100);  // a quarter of 30 is 7.5, halves up
    EXPECT_EQ(w.HumanMembers[11], 8);
    EXPECT_EQ(w.reorg.ReorgPool, 22);
    ChooseForReorganizing(w, 12);
    ReorganizeByBar(w, 12, 100, 100);  // min(10 + 22, 50)
    EXPECT_EQ(w.HumanMembers[12], 32);
    EXPECT_EQ(w.reorg.ReorgPool, 0);
    // Typing caps at what the person and the pool hold.
    EXPECT_EQ(Reorganize(w, 12, 100), (Outcome{true, {}}));
    EXPECT_EQ(w.HumanMembers[12], 32);
    EXPECT_EQ(w.reorg.box, 32);
    EXPECT_TRUE(w.HumanCanAct[11] && w.HumanCanAct[12]);
}

TEST(Reorganize, TypedNumbersTakeTheLeastOfTypedHeldAndLeadership) {
    struct Case {
        double typed, members, pool;
    };
    const Case cases[] = {
        {5, 5, 25},   // gives 25 to the pool
        {0, 0, 30},   // everything to the pool
        {30, 30, 0},  // unchanged
        {45, 30, 0},  // nothing in the pool to take
    };
    for (const Case& c : cases) {
        World w = ReorgFixture();
        ChooseForReorganizing(w, 11);
        EXPECT_TRUE(Reorganize(w, 11, c.typed).done);
        EXPECT_EQ(w.HumanMembers[11], c.members) << c.typed;
        EXPECT_EQ(w.reorg.ReorgPool, c.pool) << c.typed;
    }
    // With 25 in the pool, the other person takes up to his leadership.
    World w = ReorgFixture();
    ChooseForReorganizing(w, 11);
    Reorganize(w, 11, 0);
    ChooseForReorganizing(w, 12);
    Reorganize(w, 12, 60);
    EXPECT_EQ(w.HumanMembers[12], 40);  // 10 + 30 held, below leadership 50
    EXPECT_EQ(w.reorg.ReorgPool, 0);
}

TEST(Reorganize, RefusesNegativeAndFractionalNumbers) {
    for (double typed : {-1.0, 2.5, std::nan("")}) {
        World w = ReorgFixture();
        ChooseForReorganizing(w, 11);
        const World before = w;
        EXPECT_EQ(Reorganize(w, 11, typed), Refused(kReorgAmountMessage));
        EXPECT_EQ(w, before);
    }
}

TEST(Reorganize, ExcessOverLeadershipDropsIntoThePoolOnTheClick) {
    World w = ReorgFixture();
    w.HumanMembers[12] = 70;
    ChooseForReorganizing(w, 12);
    EXPECT_EQ(w.HumanMembers[12], 50);
    EXPECT_EQ(w.reorg.ReorgPool, 20);
    EXPECT_EQ(w.SelectedHuman, 12);
}

TEST(Reorganize, LeadershipZeroLeavesTheBarEmpty) {
    World w = ReorgFixture();
    w.HumanLeadership[11] = 0;
    ChooseForReorganizing(w, 11);
    EXPECT_EQ(w.reorg.barRatio, 0.0f);
    EXPECT_EQ(w.HumanMembers[11], 0);
    EXPECT_EQ(w.reorg.ReorgPool, 30);
    ReorganizeByBar(w, 11, 50, 100);
    EXPECT_EQ(w.HumanMembers[11], 0);
    EXPECT_FALSE(std::isnan(w.reorg.barRatio));
}

TEST(Reorganize, FrozenOrUnclickedBarChangesNothing) {
    World w = ReorgFixture();
    World before = w;
    ReorganizeByBar(w, 11, 10, 100);  // nobody clicked yet: the bar is disabled
    EXPECT_EQ(w, before);
    ChooseForReorganizing(w, 11);
    ToggleBarTracking(w);
    before = w;
    ReorganizeByBar(w, 11, 10, 100);
    EXPECT_EQ(w, before);
}

TEST(Reorganize, ClosingLosesThePoolAndTheNextChangeValueShowsIt) {
    World w = ReorgFixture();
    ChooseForReorganizing(w, 11);
    ReorganizeByBar(w, 11, 25, 100);
    EXPECT_EQ(w.panel.rows[6], "40");  // no value-change routine while reorganizing
    CloseReorganizing(w);
    EXPECT_FALSE(w.reorg.open);
    EXPECT_EQ(w.reorg.ReorgPool, 0);
    w.options.notices = true;
    EXPECT_EQ(ChangeValue(w), (std::vector<std::string>{"조직원수이(가) -22이 되었습니다."}));
    // Opening again starts from an empty pool with a fresh list.
    test::Place(w, 14, kSeocho, 0);
    OpenReorganizing(w);
    EXPECT_EQ(w.reorg.people, (std::vector<int>{11, 12, 14}));
    EXPECT_FALSE(w.reorg.barEnabled);
}

TEST(Reorganize, AFightOrALoadClosesTheDialog) {
    World w = ReorgFixture();
    ChooseForReorganizing(w, 11);
    Reorganize(w, 11, 0);
    ASSERT_EQ(w.reorg.ReorgPool, 30);
    World fight = w;
    LockMap(fight);
    EXPECT_EQ(fight.reorg, ReorgDialog{});
    Session session(test::BlankWorld());
    session.ShowGame(w);  // a loaded game
    EXPECT_EQ(session.world().reorg, ReorgDialog{});
}

}  // namespace
}  // namespace golmok
