#include <gtest/gtest.h>

#include "commands/Alliances.h"
#include "commands/CommandMenu.h"
#include "commands/EnvoyWorld.h"
#include "support/PrintOutcome.h"

namespace golmok {

namespace {

using test::kEnvoy;
constexpr int kHome = test::kEnvoyHome;
constexpr int kGang = test::kEnvoyGang;

// The envoy's 서초 holds goods to offer.
test::MenuWorld DiplomacyWorld(const std::vector<int>& gangDistricts) {
    World w = test::EnvoyWorld(gangDistricts);
    w.CityMoney[kHome] = 10000;
    w.CitySword[kHome] = 7;
    w.CityKnife[kHome] = 2;
    w.CityStick[kHome] = 2;
    MenuState m;
    OpenCommandMenu(w, m, kHome);
    return {w, m};
}

TEST(MakeAlliance, AnEnvoyIsHeardAboveTheHostility) {
    struct Case {
        double hostility;
        bool heard;
    };
    // Intelligence 60 and charm 31: the envoy scores 45.5.
    const Case cases[] = {{45, true}, {45.5, false}, {46, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hostility);
        auto [w, m] = DiplomacyWorld({5});
        w.HumanIntelligence[kEnvoy] = 60;
        w.HumanCharm[kEnvoy] = 31;
        w.GroupHostility[kGang] = c.hostility;
        const Outcome outcome = MakeAlliance(w, m, kEnvoy, kGang, {"1", "", "", ""});
        EXPECT_TRUE(outcome.done);
        EXPECT_EQ(outcome.messages,
                  std::vector<std::string>{c.heard ? "동맹이 체결되었습니다."
                                                   : "싸가지 없는놈을 나한테 보내냐?"});
        EXPECT_FALSE(w.HumanCanAct[kEnvoy]);
        EXPECT_EQ(w.GroupAlly[kGang], c.heard ? 1 : 0);
        EXPECT_EQ(w.CitySword[kHome], c.heard ? 6 : 7);
    }
}

TEST(MakeAlliance, TheOfferMustBeAboveTheThreshold) {
    // Populations 100 and 300, commerce 10 and 30: 200 × 20 / 10 = 400.
    auto world = [] {
        auto [w, m] = DiplomacyWorld({5, 13});
        w.CityPopulation[5] = 100;
        w.CityPopulation[13] = 300;
        w.CityCommerce[5] = 10;
        w.CityCommerce[13] = 30;
        return test::MenuWorld{w, m};
    };
    auto [w, m] = world();
    EXPECT_EQ(AllianceThreshold(w, kGang), 400);

    // Money 400 is not above it: the envoy has spent his turn, nothing is paid.
    World expected = w;
    expected.HumanCanAct[kEnvoy] = false;
    EXPECT_EQ(MakeAlliance(w, m, kEnvoy, kGang, {"", "", "", "400"}),
              (Outcome{true, {"물건 더 바쳐라!"}, {}}));
    EXPECT_EQ(w, expected);

    // One stick (3000) is: the stick goes to the last district, the share of each being 0.
    w = world().world;
    EXPECT_EQ(MakeAlliance(w, m, kEnvoy, kGang, {"", "", "1", ""}),
              (Outcome{true, {"동맹이 체결되었습니다."}, {}}));
    EXPECT_EQ(w.GroupAlly[kGang], 1);
    EXPECT_EQ(w.GroupHostility[kGang], 70);
    EXPECT_EQ(w.CityStick[kHome], 1);
    EXPECT_EQ(w.CityStick[5], 0);
    EXPECT_EQ(w.CityStick[13], 1);
    EXPECT_FALSE(w.HumanCanAct[kEnvoy]);
}

TEST(MakeAlliance, GoodsAreSharedAmongTheGangsDistricts) {
    auto [w, m] = DiplomacyWorld({5, 13, 23});
    w.CityMoney[13] = 5;
    EXPECT_TRUE(MakeAlliance(w, m, kEnvoy, kGang, {"7", "2", "", "10000"}).done);
    EXPECT_EQ(w.CitySword[5], 2);
    EXPECT_EQ(w.CitySword[13], 2);
    EXPECT_EQ(w.CitySword[23], 3);
    EXPECT_EQ(w.CityKnife[5], 0);
    EXPECT_EQ(w.CityKnife[23], 2);
    EXPECT_EQ(w.CityMoney[5], 3333);
    EXPECT_EQ(w.CityMoney[13], 3338);
    EXPECT_EQ(w.CityMoney[23], 3334);
    EXPECT_EQ(w.CityMoney[kHome], 0);
    EXPECT_EQ(w.CitySword[kHome], 0);
    EXPECT_EQ(w.CityKnife[kHome], 0);
}

TEST(MakeAlliance, RefusalsThatChangeNothing) {
    struct Case {
        const char* name;
        std::optional<int> envoy, group;
        GoodsBoxes boxes;
        std::string message;
    };
    const Case cases[] = {
        {"nobody", std::nullopt, kGang, {}, "사람을 선택해주세요."},
        {"no gang", kEnvoy, std::nullopt, {}, "조직을 선택해주세요."},
        {"nobody, no gang", std::nullopt, std::nullopt, {}, "사람을 선택해주세요."},
        {"more swords than held",
         kEnvoy,
         kGang,
         {"8", "", "", ""},
         "0부터 7까지의 정수를 입력해주세요."},
        {"negative money",
         kEnvoy,
         kGang,
         {"", "", "", "-1"},
         "0부터 10000까지의 정수를 입력해주세요."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto [w, m] = DiplomacyWorld({5});
        const World before = w;
        EXPECT_EQ(MakeAlliance(w, m, c.envoy, c.group, c.boxes), Refused(c.message));
        EXPECT_EQ(w, before);
    }
}

TEST(MakeAlliance, AGangWithoutADistrict) {
    // A heard envoy would have nothing to average the threshold over: he is not sent.
    auto [w, m] = DiplomacyWorld({});
    World before = w;
    EXPECT_EQ(MakeAlliance(w, m, kEnvoy, kGang, {"1", "", "", ""}),
              Refused("그 조직에는 남은 구역이 없습니다."));
    EXPECT_EQ(w, before);
    // An envoy the gang will not hear is turned away as anywhere else.
    w.GroupHostility[kGang] = 95;
    EXPECT_EQ(MakeAlliance(w, m, kEnvoy, kGang, {"1", "", "", ""}),
              (Outcome{true,
                       {"싸가지 없는놈을 나한테 보내냐?"},
                       "보낸 사람의 지능과 매력의 평균 90이(가) 그 조직의 적대감 95보다 높아야 "
                       "합니다."}));
    EXPECT_FALSE(w.HumanCanAct[kEnvoy]);
}

TEST(Alliances, ListsFollowTheAlliance) {
    auto [w, m] = DiplomacyWorld({5});
    w.GroupAlly[3] = 1;
    EXPECT_EQ(Envoys(w, m), (std::vector<int>{kEnvoy}));
    EXPECT_EQ(UnalliedGangs(w), (std::vector<int>{1, 2, 4, 5, 6}));
    EXPECT_EQ(AlliedGangs(w), (std::vector<int>{3}));

    MakeAlliance(w, m, kEnvoy, kGang, {"1", "", "", ""});
    EXPECT_TRUE(Envoys(w, m).empty());
    EXPECT_EQ(UnalliedGangs(w), (std::vector<int>{2, 4, 5, 6}));
    EXPECT_EQ(AlliedGangs(w), (std::vector<int>{1, 3}));

    // The player's own gang is never listed, allied or not.
    w.GroupAlly[0] = 1;
    EXPECT_EQ(AlliedGangs(w), (std::vector<int>{1, 3}));
}

TEST(CancelAlliance, EndsItAndTheGangResentsIt) {
    auto [w, m] = DiplomacyWorld({5});
    w.GroupAlly[kGang] = 1;
    w.GroupHostility[kGang] = 95;
    World before = w;
    EXPECT_EQ(CancelAlliance(w, m, std::nullopt), Refused("조직을 선택해주세요."));
    EXPECT_EQ(w, before);

    EXPECT_EQ(CancelAlliance(w, m, kGang), (Outcome{true, {"동맹이 취소되었습니다."}, {}}));
    EXPECT_EQ(w.GroupAlly[kGang], 0);
    EXPECT_EQ(w.GroupHostility[kGang], 105);  // the turn end brings it back to 100
    EXPECT_TRUE(w.HumanCanAct[kEnvoy]);
    EXPECT_EQ(AlliedGangs(w), std::vector<int>{});
}

}  // namespace
}  // namespace golmok
