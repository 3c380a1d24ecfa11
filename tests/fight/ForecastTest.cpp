// 싸움 예상 on a small world: every way a set-up can end, what the party needs and how strong it
// is, and the attackers a defence will meet. The forecast never changes the world.
#include <gtest/gtest.h>

#include "fight/Forecast.h"
#include "support/TestWorld.h"
#include "world/SharedRoutines.h"

namespace golmok {
namespace {

constexpr int kHome = 7;    // 서초, the player's (gang 0)
constexpr int kTarget = 8;  // 도봉, 흑사파 (gang 6)
constexpr int kEmpty = 9;   // nobody stands there
constexpr int kEnemyGang = 6;

// Three of the player's people in 서초 (0..2), two of 흑사파 in 도봉 (100, 101), all bare-handed.
World SmallWorld() {
    World w = test::BlankWorld();
    for (int h = 0; h < 3; ++h)
        test::Place(w, h, kHome, 0);
    test::Place(w, 100, kTarget, kEnemyGang);
    test::Place(w, 101, kTarget, kEnemyGang);
    w.HumanWeapon.fill(kFist);
    return w;
}

SetupChoice Selected(std::vector<int> people) {
    return SetupChoice{!people.empty(), std::move(people), true};
}

TEST(Forecast, TellsEveryWayAnAttackEndsAndChangesNothing) {
    struct Case {
        const char* what;
        void (*arrange)(World&);
        std::vector<int> party;
        int target;
        ForecastResult result;
        int owner;
        std::vector<int> fallen;
        std::vector<int> changed;
        const char* refusal;
    };
    const Case cases[] = {
        {"nobody chosen",
         [](World&) {},
         {},
         kTarget,
         ForecastResult::Refused,
         kEnemyGang,
         {},
         {},
         kChoosePerson},
        {"no swords for his members",
         [](World& w) { w.HumanWeapon[0] = "진검"; },
         {0},
         kTarget,
         ForecastResult::Refused,
         kEnemyGang,
         {},
         {},
         kSwordsShort},
        {"an empty district", [](World&) {}, {0}, kEmpty, ForecastResult::WalkIn, 0, {}, {}, ""},
        {"a strong boss against two",
         [](World& w) { w.HumanMembers[0] = 1000; },
         {0},
         kTarget,
         ForecastResult::Won,
         0,
         {100, 101},
         {100, 101},
         ""},
        {"a weak party against a strong defender",
         [](World& w) { w.HumanMembers[100] = 1000; },
         {0, 1},
         kTarget,
         ForecastResult::Lost,
         kEnemyGang,
         {0, 1},
         {0, 1},
         ""},
        {"nobody can hurt anybody",
         [](World& w) {
             for (int h : {0, 100, 101})
                 w.HumanMembers[h] = 10;  // Int(0.52): no damage
         },
         {0},
         kTarget,
         ForecastResult::CalledOff,
         kEnemyGang,
         {},
         {},
         ""},
    };
    for (BattleMode mode : {BattleMode::Turn, BattleMode::Real}) {
        for (const Case& c : cases) {
            World w = SmallWorld();
            w.BattleMode = mode;
            c.arrange(w);
            const FightSetup setup = AttackSetupOf(w, kHome);
            const World before = w;
            const FightForecast f = ForecastAttack(w, setup, Selected(c.party), c.target);
            EXPECT_TRUE(w == before) << c.what;
            EXPECT_EQ(f.result, c.result) << c.what;
            EXPECT_EQ(f.owner, c.owner) << c.what;
            EXPECT_EQ(f.fallen, c.fallen) << c.what;
            EXPECT_EQ(f.changed, c.changed) << c.what;
            EXPECT_EQ(f.refusal, c.refusal) << c.what;
            // The same set-up confirmed for real and fought by itself ends the same way.
            SetupOutcome out = ConfirmAttack(w, setup, Selected(c.party), c.target);
            EXPECT_EQ(out.takenOver, c.result == ForecastResult::WalkIn) << c.what;
            if (out.fight) {
                SettleDeaths(w, *out.fight);
                PlayOutFight(w, *out.fight);
                std::vector<int> fallen;
                for (const auto* side : {&out.fight->player, &out.fight->enemy}) {
                    for (const Fighter& fighter : *side) {
                        if (fighter.human >= 0 && !fighter.present) fallen.push_back(fighter.human);
                    }
                }
                EXPECT_EQ(fallen, c.fallen) << c.what;
            }
            EXPECT_EQ(w.OwnerOf(c.target).value_or(-1), c.owner) << c.what;
        }
    }
}

TEST(Forecast, ARefusalSaysWhatIsMissing) {
    World w = SmallWorld();
    w.HumanWeapon[1] = "사시미";
    w.CityKnife[kHome] = 12;
    const FightSetup setup = AttackSetupOf(w, kHome);
    const FightForecast f = ForecastAttack(w, setup, Selected({0, 1}), kTarget);
    EXPECT_EQ(f.refusal, kKnivesShort);
    EXPECT_EQ(f.missing, "고른 사람들에게 사시미 30개가 필요한데 창고에는 12개뿐입니다.");
    EXPECT_EQ(ForecastLine(f), "forecast result=refused owner=6 fallen=- changed=-");
    const std::string text = ForecastText(w, f, false);
    EXPECT_NE(text.find(kKnivesShort), std::string::npos);
    EXPECT_NE(text.find(f.missing), std::string::npos);
}

TEST(Forecast, APartyNeedsAWeaponForEveryMemberAndCountsItsStrength) {
    World w = SmallWorld();
    w.HumanWeapon[0] = "진검";
    w.HumanWeapon[1] = "진검";
    w.HumanWeapon[2] = "각목";
    w.HumanMembers[1] = 12;
    const FightSetup setup = AttackSetupOf(w, kHome);
    // Only the people selected count: 2 carries a stick but stays home.
    EXPECT_EQ(PartyNeeds(w, setup, Selected({0, 1})), (std::array<double, 3>{42, 0, 0}));
    EXPECT_EQ(PartyNeeds(w, setup, Selected({1, 2})), (std::array<double, 3>{12, 0, 30}));
    EXPECT_EQ(PartyStrength(w, {0, 1}), 30 + 40 + 12 + 40);
    EXPECT_EQ(PartyStrength(w, {}), 0);
}

TEST(Forecast, ADefenceMeetsTheAttackersItsOkWillPick) {
    World w = SmallWorld();
    test::Place(w, 102, kTarget, kEnemyGang, 40, 40, 60);
    // Armed in index order: 100 and 101 take the swords, 102 (the strongest, slot 0) the knives.
    w.CitySword[kTarget] = 60;
    w.CityKnife[kTarget] = 60;
    w.AttackFromCity = kTarget;
    w.AttackToCity = kHome;
    LockMap(w);
    w.DefenceSetupOpen = true;
    EXPECT_TRUE(ComingAttackers(SmallWorld()).empty());  // nothing announced
    const std::vector<ComingFighter> coming = ComingAttackers(w);
    const World before = w;
    const FightSetup setup = DefenceSetupOf(w);
    const FightForecast f = ForecastDefence(w, setup, Selected({0}));
    EXPECT_TRUE(w == before);
    // Alone against three, the defender loses 서초 to 흑사파.
    EXPECT_EQ(f.result, ForecastResult::Lost);
    EXPECT_EQ(f.owner, kEnemyGang);
    EXPECT_EQ(f.changed, std::vector<int>{0});
    SetupOutcome out = ConfirmDefence(w, setup, Selected({0}));
    ASSERT_TRUE(out.fight);
    std::vector<ComingFighter> came;
    for (const Fighter& enemy : out.fight->enemy) {
        if (enemy.human >= 0) came.push_back({enemy.human, w.HumanWeapon[enemy.human]});
    }
    EXPECT_EQ(coming, came);
    EXPECT_EQ(coming, (std::vector<ComingFighter>{{102, "사시미"}, {100, "진검"}, {101, "진검"}}));
}

}  // namespace
}  // namespace golmok
