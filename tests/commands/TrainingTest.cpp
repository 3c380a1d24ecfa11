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

test::MenuWorld Fixture() {
    World w = test::BlankWorld();
    w.CityMoney[kSeocho] = 1000000;
    MenuState m;
    OpenCommandMenu(w, m, kSeocho);
    return {w, m};
}

TEST(Train, RaisesMoraleOrSpendsTheActionForNothing) {
    struct Case {
        double morale;
        Outcome outcome;
        double moraleAfter;
    };
    const Case cases[] = {
        {99, {true, {kTrainedMessage}, {}}, 100},
        {0, {true, {kTrainedMessage}, {}}, 1},
        {101, {false, {}, {}}, 101},  // silent: the dialog stays and the action is gone
    };
    for (const Case& c : cases) {
        auto [w, m] = Fixture();
        test::Place(w, 3, kSeocho, 0);
        w.HumanMorale[3] = c.morale;
        EXPECT_EQ(Train(w, m, 3), c.outcome) << c.morale;
        EXPECT_EQ(w.HumanMorale[3], c.moraleAfter);
        EXPECT_FALSE(w.HumanCanAct[3]);
    }
}

TEST(Train, NobodyChosenChangesNothing) {
    auto [w, m] = Fixture();
    test::Place(w, 3, kSeocho, 0);
    w.HumanMorale[3] = 50;
    const World before = w;
    EXPECT_EQ(Train(w, m, std::nullopt), Refused(kChoosePerson));
    EXPECT_EQ(w, before);
}

TEST(Train, ListsThoseWhoMayActBelowFullMorale) {
    auto [w, m] = Fixture();
    for (int h : {2, 4, 6, 8})
        test::Place(w, h, kSeocho, 0);
    test::Place(w, 9, kJongno, 0);
    w.HumanMorale[2] = 99;
    w.HumanMorale[4] = 99;
    w.HumanCanAct[4] = false;
    w.HumanMorale[6] = 100;
    w.HumanMorale[8] = 101;
    w.HumanMorale[9] = 50;
    EXPECT_EQ(TrainList(w, m), (std::vector<int>{2, 8}));
    Train(w, m, 2);
    EXPECT_EQ(TrainList(w, m), (std::vector<int>{8}));
}

TEST(Heal, MoneyMustExceedTheCost) {
    struct Case {
        double money;
        bool healed;
        double moneyAfter;
    };
    // attack 31, defence 20: full stamina 25; from 10 the cost is 150000.
    for (const Case& c : {Case{150000, false, 150000}, Case{150001, true, 1}}) {
        auto [w, m] = Fixture();
        test::Place(w, 5, kSeocho, 0, 31, 20);
        w.HumanStamina[5] = 10;
        w.HumanCanAct[5] = false;  // healing does not need the action
        w.CityMoney[kSeocho] = c.money;
        OpenCommandMenu(w, m, kSeocho);
        ASSERT_EQ(HealList(w, m), (std::vector<int>{5}));
        EXPECT_EQ(HealCost(w, 5), 150000);
        const World before = w;
        const Outcome outcome = Heal(w, m, 5);
        EXPECT_EQ(outcome.done, c.healed);
        if (c.healed) {
            EXPECT_TRUE(outcome.messages.empty());  // no message of its own, notices are off
            EXPECT_EQ(w.HumanStamina[5], 25);
            EXPECT_TRUE(HealList(w, m).empty());
        } else {
            EXPECT_EQ(outcome, Refused(kShortOfMoney));
            EXPECT_EQ(w, before);
        }
        EXPECT_EQ(w.CityMoney[kSeocho], c.moneyAfter);
    }
}

TEST(Heal, ShowsOnlyTheNoticesWhenTheyAreOn) {
    auto [w, m] = Fixture();
    test::Place(w, 5, kSeocho, 0, 31, 20);
    w.HumanStamina[5] = 24;
    OpenCommandMenu(w, m, kSeocho);
    w.options.notices = true;
    // No box of its own: the detail tells the dialog what was done.
    EXPECT_EQ(Heal(w, m, 5), (Outcome{true,
                                      {"돈이(가) -10000이 되었습니다."},
                                      "사람5의 체력이 25(으)로 회복되었습니다. 치료비 10000"}));
    EXPECT_EQ(Heal(w, m, std::nullopt), Refused(kChoosePerson));
}

TEST(Heal, StaminaAboveFullCostsNothingAndGainsNothing) {
    auto [w, m] = Fixture();
    test::Place(w, 5, kSeocho, 0, 31, 20);
    w.HumanStamina[5] = 30;
    w.CityMoney[kSeocho] = 1;
    EXPECT_EQ(HealList(w, m), (std::vector<int>{5}));
    EXPECT_EQ(HealCost(w, 5), 0);
    EXPECT_EQ(HealGauge(w, 5), (Gauge{25, 25}));  // the bar never runs past its end
    EXPECT_TRUE(Heal(w, m, 5).done);
    EXPECT_EQ(w.HumanStamina[5], 25);
    EXPECT_EQ(w.CityMoney[kSeocho], 1);
}

TEST(Heal, GaugeOfAPersonWithoutStaminaIsEmpty) {
    auto [w, m] = Fixture();
    test::Place(w, 5, kSeocho, 0, 0, 1);  // full stamina Int(0.5) = 0
    w.HumanStamina[5] = 3;
    EXPECT_EQ(HealGauge(w, 5), (Gauge{0, 0}));
    w.HumanStamina[5] = 0;
    EXPECT_EQ(HealGauge(w, 5), (Gauge{0, 0}));
}

// Person A leads 30 of leadership 40, person B 10 of leadership 50.
test::MenuWorld ReorgFixture() {
    auto [w, m] = Fixture();
    test::Place(w, 11, kSeocho, 0, 40, 40, 40);
    test::Place(w, 12, kSeocho, 0, 40, 40, 50);
    test::Place(w, 13, kJongno, 0, 40, 40, 50);
    w.HumanMembers[11] = 30;
    w.HumanMembers[12] = 10;
    OpenCommandMenu(w, m, kSeocho);
    OpenReorganizing(w, m);
    return {w, m};
}

TEST(Reorganize, BarMovesMembersThroughThePool) {
    auto [w, m] = ReorgFixture();
    EXPECT_EQ(m.reorg.people, (std::vector<int>{11, 12}));
    ChooseForReorganizing(w, m, 11);
    EXPECT_FLOAT_EQ(m.reorg.barRatio, 0.75f);
    ReorganizeByBar(w, m, 11, 25, 100);  // a quarter of 30 is 7.5, halves up
    EXPECT_EQ(w.HumanMembers[11], 8);
    EXPECT_EQ(m.reorg.ReorgPool, 22);
    ChooseForReorganizing(w, m, 12);
    ReorganizeByBar(w, m, 12, 100, 100);  // min(10 + 22, 50)
    EXPECT_EQ(w.HumanMembers[12], 32);
    EXPECT_EQ(m.reorg.ReorgPool, 0);
    // Typing caps at what the person and the pool hold.
    EXPECT_EQ(Reorganize(w, m, 12, 100), (Outcome{true, {}, {}}));
    EXPECT_EQ(w.HumanMembers[12], 32);
    EXPECT_EQ(m.reorg.box, 32);
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
        auto [w, m] = ReorgFixture();
        ChooseForReorganizing(w, m, 11);
        EXPECT_TRUE(Reorganize(w, m, 11, c.typed).done);
        EXPECT_EQ(w.HumanMembers[11], c.members) << c.typed;
        EXPECT_EQ(m.reorg.ReorgPool, c.pool) << c.typed;
    }
    // With 25 in the pool, the other person takes up to his leadership.
    auto [w, m] = ReorgFixture();
    ChooseForReorganizing(w, m, 11);
    Reorganize(w, m, 11, 0);
    ChooseForReorganizing(w, m, 12);
    Reorganize(w, m, 12, 60);
    EXPECT_EQ(w.HumanMembers[12], 40);  // 10 + 30 held, below leadership 50
    EXPECT_EQ(m.reorg.ReorgPool, 0);
}

TEST(Reorganize, RefusesNegativeAndFractionalNumbers) {
    for (double typed : {-1.0, 2.5, std::nan("")}) {
        auto [w, m] = ReorgFixture();
        ChooseForReorganizing(w, m, 11);
        const World before = w;
        EXPECT_EQ(Reorganize(w, m, 11, typed), Refused(kReorgAmountMessage));
        EXPECT_EQ(w, before);
    }
}

TEST(Reorganize, ExcessOverLeadershipDropsIntoThePoolOnTheClick) {
    auto [w, m] = ReorgFixture();
    w.HumanMembers[12] = 70;
    ChooseForReorganizing(w, m, 12);
    EXPECT_EQ(w.HumanMembers[12], 50);
    EXPECT_EQ(m.reorg.ReorgPool, 20);
    EXPECT_EQ(m.SelectedHuman, 12);
}

TEST(Reorganize, LeadershipZeroLeavesTheBarEmpty) {
    auto [w, m] = ReorgFixture();
    w.HumanLeadership[11] = 0;
    ChooseForReorganizing(w, m, 11);
    EXPECT_EQ(m.reorg.barRatio, 0.0f);
    EXPECT_EQ(w.HumanMembers[11], 0);
    EXPECT_EQ(m.reorg.ReorgPool, 30);
    ReorganizeByBar(w, m, 11, 50, 100);
    EXPECT_EQ(w.HumanMembers[11], 0);
    EXPECT_FALSE(std::isnan(m.reorg.barRatio));
}

TEST(Reorganize, FrozenOrUnclickedBarChangesNothing) {
    auto [w, m] = ReorgFixture();
    World before = w;
    ReorganizeByBar(w, m, 11, 10, 100);  // nobody clicked yet: the bar is disabled
    EXPECT_EQ(w, before);
    ChooseForReorganizing(w, m, 11);
    ToggleBarTracking(m);
    before = w;
    ReorganizeByBar(w, m, 11, 10, 100);
    EXPECT_EQ(w, before);
}

TEST(Reorganize, ClosingLosesThePoolAndTheNextChangeValueShowsIt) {
    auto [w, m] = ReorgFixture();
    ChooseForReorganizing(w, m, 11);
    ReorganizeByBar(w, m, 11, 25, 100);
    EXPECT_EQ(m.panel.rows[6], "40");  // no value-change routine while reorganizing
    CloseReorganizing(m);
    EXPECT_FALSE(m.reorg.open);
    EXPECT_EQ(m.reorg.ReorgPool, 0);
    w.options.notices = true;
    EXPECT_EQ(ChangeValue(w, m.SelectedCity, m.panel),
              (std::vector<std::string>{"조직원수이(가) -22이 되었습니다."}));
    // Opening again starts from an empty pool with a fresh list.
    test::Place(w, 14, kSeocho, 0);
    OpenReorganizing(w, m);
    EXPECT_EQ(m.reorg.people, (std::vector<int>{11, 12, 14}));
    EXPECT_FALSE(m.reorg.barEnabled);
}

TEST(Reorganize, AFightOrALoadClosesTheDialog) {
    Session session(test::BlankWorld());
    session.ShowGame(ReorgFixture().world);
    session.ClickCity(kSeocho);
    OpenReorganizing(session.world(), session.menu());
    ChooseForReorganizing(session.world(), session.menu(), 11);
    Reorganize(session.world(), session.menu(), 11, 0);
    ASSERT_EQ(session.menu().reorg.ReorgPool, 30);

    Session loading = session;
    loading.ShowGame(session.world());
    EXPECT_EQ(loading.menu().reorg, ReorgDialog{});
    EXPECT_FALSE(loading.menu().panel.open);

    session.StartFight(Fight{});
    EXPECT_EQ(session.menu().reorg, ReorgDialog{});
    EXPECT_FALSE(session.menu().panel.open);
}

}  // namespace
}  // namespace golmok
