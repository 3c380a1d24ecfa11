#include <gtest/gtest.h>

#include "commands/Aid.h"
#include "commands/CommandMenu.h"
#include "commands/EnvoyWorld.h"
#include "support/PrintOutcome.h"
#include "world/Numbers.h"

namespace golmok {

namespace {

using test::kEnvoy;
constexpr int kHome = test::kEnvoyHome;
constexpr int kAlly = test::kEnvoyGang;

// The envoy's 서초 holds 1000 in money; 지존파 is an ally.
test::MenuWorld AidWorld(const std::vector<int>& allyDistricts) {
    World w = test::EnvoyWorld(allyDistricts);
    w.CityMoney[kHome] = 1000;
    w.GroupAlly[kAlly] = 1;
    MenuState m;
    OpenCommandMenu(w, m, kHome);
    return {w, m};
}

TEST(RequestAid, AModestRequestIsPaidInProportion) {
    auto [w, m] = AidWorld({5, 13});
    w.CityMoney[5] = 300;
    w.CityMoney[13] = 100;
    w.options.notices = true;
    const Outcome outcome = RequestAid(w, m, kEnvoy, kAlly, {"", "", "", "200"});
    EXPECT_EQ(outcome.messages,
              (std::vector<std::string>{"원조가 완료되었습니다.", "돈이(가) + 200이 되었습니다."}));
    EXPECT_EQ(w.CityMoney[5], 150);
    EXPECT_EQ(w.CityMoney[13], 50);
    EXPECT_EQ(w.CityMoney[kHome], 1200);
    EXPECT_EQ(w.GroupHostility[kAlly], 76);
    EXPECT_EQ(w.GroupAlly[kAlly], 1);
    EXPECT_FALSE(w.HumanCanAct[kEnvoy]);
}

TEST(RequestAid, WhatTheRoundingLeavesIsMadeUpByTheLastDistricts) {
    struct Case {
        const char* name;
        std::vector<int> districts;
        std::vector<double> knivesBefore;
        std::string asked;
        std::vector<double> knivesAfter;
    };
    const Case cases[] = {
        {"3 each of 10", {5, 13, 23}, {10, 10, 10}, "10", {7, 7, 6}},
        {"last pays the rest", {5, 13, 23}, {1, 1, 4}, "2", {1, 1, 2}},
        // Shares of 0, 0, 0 and 0 leave 2 to pay; the last holds none, so the one before it pays
        // rather than leaving the last at -2 knives.
        {"last holds none", {5, 13, 23, 24}, {3, 3, 3, 0}, "2", {3, 3, 1, 0}},
        {"last holds one", {5, 13, 23, 24}, {3, 3, 3, 1}, "2", {3, 3, 2, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto [w, m] = AidWorld(c.districts);
        for (std::size_t i = 0; i < c.districts.size(); ++i) {
            w.CityKnife[c.districts[i]] = c.knivesBefore[i];
        }
        EXPECT_EQ(RequestAid(w, m, kEnvoy, kAlly, {"", c.asked, "", ""}),
                  (Outcome{true, {"원조가 완료되었습니다."}, {}}));
        std::vector<double> after;
        for (int d : c.districts)
            after.push_back(w.CityKnife[d]);
        EXPECT_EQ(after, c.knivesAfter);
        EXPECT_EQ(w.CityKnife[kHome], ReadAmountBox(c.asked));
    }
}

TEST(RequestAid, AskingForMoreThanTheAverageIsRefused) {
    struct Case {
        const char* name;
        GoodsBoxes boxes;
        const char* detail;  // the good asked beyond the average, against it
    };
    // The ally's districts hold 300 and 100 money and no weapons: 200 money on average.
    const Case cases[] = {
        {"201 money", {"", "", "", "201"}, "요청한 돈 201: 그 조직의 구역 평균 200보다 많습니다."},
        {"1 stick", {"", "", "1", ""}, "요청한 각목 1: 그 조직의 구역 평균 0보다 많습니다."}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto [w, m] = AidWorld({5, 13});
        w.CityMoney[5] = 300;
        w.CityMoney[13] = 100;
        World expected = w;
        expected.HumanCanAct[kEnvoy] = false;
        expected.GroupHostility[kAlly] = 74;
        EXPECT_EQ(RequestAid(w, m, kEnvoy, kAlly, c.boxes),
                  (Outcome{true, {"우리 조직에게 너무 많은 물건을 요구하지 말아라."}, c.detail}));
        EXPECT_EQ(w, expected);
    }
}

TEST(RequestAid, NothingAskedStillRaisesTheHostility) {
    auto [w, m] = AidWorld({5});
    World expected = w;
    expected.HumanCanAct[kEnvoy] = false;
    expected.GroupHostility[kAlly] = 76;
    EXPECT_EQ(RequestAid(w, m, kEnvoy, kAlly, {}), (Outcome{true, {"원조가 완료되었습니다."}, {}}));
    EXPECT_EQ(w, expected);
}

TEST(RequestAid, AnEnvoyNotHeardSpendsHisTurnOnly) {
    auto [w, m] = AidWorld({5});
    w.CityMoney[5] = 1000;
    w.HumanIntelligence[kEnvoy] = 60;
    w.HumanCharm[kEnvoy] = 31;  // 45.5
    w.GroupHostility[kAlly] = 46;
    World expected = w;
    expected.HumanCanAct[kEnvoy] = false;
    EXPECT_EQ(RequestAid(w, m, kEnvoy, kAlly, {"", "", "", "10"}),
              (Outcome{true,
                       {"싸가지 없는놈을 나한테 보내냐?"},
                       "보낸 사람의 지능과 매력의 평균 45.5이(가) 그 조직의 적대감 46보다 높아야 "
                       "합니다."}));
    EXPECT_EQ(w, expected);
}

TEST(RequestAid, RefusalsThatChangeNothing) {
    struct Case {
        const char* name;
        std::optional<int> envoy, group;
        std::vector<int> allyDistricts;
        GoodsBoxes boxes;
        std::string message;
    };
    const Case cases[] = {
        {"nobody", std::nullopt, kAlly, {5}, {}, "사람을 선택해주세요."},
        {"no gang", kEnvoy, std::nullopt, {5}, {}, "조직을 선택해주세요."},
        {"1001 swords",
         kEnvoy,
         kAlly,
         {5},
         {"1001", "", "", ""},
         "0부터 1000까지의 정수를 입력해주세요."},
        {"too much money",
         kEnvoy,
         kAlly,
         {5},
         {"", "", "", "100000001"},
         "0부터 100000000까지의 정수를 입력해주세요."},
        {"a fraction",
         kEnvoy,
         kAlly,
         {5},
         {"", "0.5", "", ""},
         "0부터 1000까지의 정수를 입력해주세요."},
        // A heard envoy would find no district to measure the request by.
        {"an ally without a district", kEnvoy, kAlly, {}, {}, "그 조직에는 남은 구역이 없습니다."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto [w, m] = AidWorld(c.allyDistricts);
        const World before = w;
        EXPECT_EQ(RequestAid(w, m, c.envoy, c.group, c.boxes), Refused(c.message));
        EXPECT_EQ(w, before);
    }
}

}  // namespace
}  // namespace golmok
