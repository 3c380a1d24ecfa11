#include <gtest/gtest.h>

#include "commands/CommandMenu.h"
#include "commands/Scouting.h"
#include "support/PrintOutcome.h"
#include "support/TestWorld.h"
#include "world/Tables.h"

namespace golmok {
namespace {

constexpr int kSeocho = 7;  // the player's
constexpr int kJongno = 0;  // gang 4's

// Scout 2 (charm 70, intelligence 60: threshold 65) in 서초; target 50 of gang 4 in 종로 with
// loyalty 80 and 33 members.
test::MenuWorld Fixture() {
    World w = test::BlankWorld();
    test::Place(w, 2, kSeocho, 0);
    w.HumanCharm[2] = 70;
    w.HumanIntelligence[2] = 60;
    test::Place(w, 50, kJongno, 4, 40, 40, 33);
    w.HumanLoyalty[50] = 80;
    w.HumanRank[50] = "행동대장";
    w.CityMoney[kSeocho] = 20000000;
    MenuState m;
    OpenCommandMenu(w, m, kSeocho);
    return {w, m};
}

TEST(Scout, BribeLowersLoyaltyUntilTheScoutReachesIt) {
    struct Case {
        double bribe;
        std::string message;
        double loyalty;
        bool comes;
        std::string detail;  // a refusal tells the two figures it compared
    };
    const auto refusal = [](int loyalty) {
        return "보낸 사람의 매력과 지능의 평균 65이(가) 상대의 충성도 " + std::to_string(loyalty) +
               "보다 낮습니다. 뇌물 백만마다 충성도가 1 내려갑니다.";
    };
    const Case cases[] = {
        {15000000, kScoutedMessage, 100, true, ""},                 // 80 - 15 = 65
        {14999999, kScoutRefusedMessage, 66, false, refusal(66)},  // 80 - 14
        {999999, kScoutRefusedMessage, 80, false, refusal(80)},
    };
    for (const Case& c : cases) {
        auto [w, m] = Fixture();
        EXPECT_EQ(Scout(w, m, 2, 50, kJongno, c.bribe), (Outcome{true, {c.message}, c.detail})) << c.bribe;
        EXPECT_EQ(w.HumanLoyalty[50], c.loyalty);
        EXPECT_EQ(w.CityMoney[kSeocho], 20000000 - c.bribe);
        EXPECT_FALSE(w.HumanCanAct[2]);
        EXPECT_EQ(w.HumanCity[50], c.comes ? "서초" : "종로");
        EXPECT_EQ(w.HumanGroup[50], c.comes ? w.PlayerGroupName : w.GroupName[4]);
        EXPECT_EQ(w.HumanMembers[50], 33);
        EXPECT_EQ(w.HumanRank[50], "행동대장");
    }
}

TEST(Scout, ComesOverAtOnceWhenLoyaltyIsAlreadyLowEnough) {
    auto [w, m] = Fixture();
    w.HumanLoyalty[50] = 65;
    w.options.notices = true;
    EXPECT_EQ(Scout(w, m, 2, 50, kJongno, 0),
              (Outcome{true,
                       {kScoutedMessage, "조폭인원이(가) + 1이 되었습니다.",
                        "조직원수이(가) + 33이 되었습니다."}, {}}));
    // He is listed by the district's commands at once.
    EXPECT_EQ(ScoutList(w, m), (std::vector<int>{50}));
}

TEST(Scout, FullLoyaltyNeverListensAndTheBribeIsLost) {
    auto [w, m] = Fixture();
    w.HumanLoyalty[50] = 100;
    EXPECT_EQ(Scout(w, m, 2, 50, kJongno, 20000000),
              (Outcome{true, {kContentMessage}, "충성도가 100인 사람은 뇌물로도 움직이지 않습니다."}));
    EXPECT_EQ(w.HumanLoyalty[50], 100);
    EXPECT_EQ(w.HumanCity[50], "종로");
    EXPECT_EQ(w.CityMoney[kSeocho], 0);
    EXPECT_FALSE(w.HumanCanAct[2]);
}

TEST(Scout, MissingChoicesAndBadBribesChangeNothing) {
    struct Case {
        Chosen scout, target;
        std::optional<int> district;
        double bribe;
        Outcome outcome;
    };
    const Case cases[] = {
        {std::nullopt, std::nullopt, std::nullopt, 0, Refused(kChoosePerson)},
        {2, std::nullopt, kJongno, 0, Refused(kChoosePerson)},
        {std::nullopt, 50, kJongno, 0, Refused(kChoosePerson)},
        {2, 50, std::nullopt, 0, Refused(kChooseDistrict)},
        {2, 50, kJongno, 20000001, Refused(TypedAmountMessage(20000000))},
        {2, 50, kJongno, -1000000, Refused(TypedAmountMessage(20000000))},
    };
    for (const Case& c : cases) {
        auto [w, m] = Fixture();
        const World before = w;
        EXPECT_EQ(Scout(w, m, c.scout, c.target, c.district, c.bribe), c.outcome);
        EXPECT_EQ(w, before);
    }
}

TEST(Scout, BossesRecoverTheirLoyaltyInTheirOwnDistricts) {
    auto [w, m] = Fixture();
    w.HumanName[60] = kGroups[4].bossName;
    test::Place(w, 60, kJongno, 4);
    w.HumanLoyalty[60] = 40;
    Scout(w, m, 2, 50, kJongno, 1000000);
    EXPECT_EQ(w.HumanLoyalty[60], 100);
}

TEST(Scout, ListsRivalDistrictsAndTheirPeopleButBosses) {
    auto [w, m] = Fixture();
    w.HumanCanAct[2] = false;
    test::Place(w, 3, kSeocho, 0);
    EXPECT_EQ(ScoutList(w, m), (std::vector<int>{3}));
    const std::vector<int> districts = ScoutDistricts(w);
    for (int d = 0; d < kCityCount; ++d) {
        const bool listed = std::find(districts.begin(), districts.end(), d) != districts.end();
        EXPECT_EQ(listed, kDistricts[d].startOwner != 0) << d;
    }
    test::Place(w, 51, kJongno, 4);
    w.HumanRank[51] = kBossRank;
    test::Place(w, 52, kJongno, 0);  // the player's own man standing there is listed too
    EXPECT_EQ(ScoutTargets(w, kJongno), (std::vector<int>{50, 52}));
}

}  // namespace
}  // namespace golmok
