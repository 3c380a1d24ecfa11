#include <gtest/gtest.h>

#include "commands/CommandMenu.h"
#include "commands/Moving.h"
#include "support/PrintOutcome.h"
#include "support/TestWorld.h"
#include "world/Numbers.h"

namespace golmok {

namespace {

constexpr int kHome = 7;   // 서초, the player's
constexpr int kAway = 12;  // 관악, the player's
constexpr int kOther = 5;  // 강남, another gang's

// Three of the player's people in 서초, which holds money and weapons.
test::MenuWorld MovingWorld() {
    World w = test::BlankWorld();
    for (int h : {3, 4, 5})
        test::Place(w, h, kHome, 0);
    w.CityMoney[kHome] = 20000;
    w.CitySword[kHome] = 3;
    w.CityKnife[kHome] = 4;
    w.CityStick[kHome] = 5;
    w.CityMoney[kAway] = 100;
    MenuState m;
    OpenCommandMenu(w, m, kHome);
    return {w, m};
}

TEST(Destinations, TheOtherDistrictsOfThePlayer) {
    auto [w, m] = MovingWorld();
    EXPECT_EQ(Destinations(w, m), (std::vector<int>{12, 20, 21}));
    // With only one district left there is nowhere to go.
    for (int d : {12, 20, 21})
        w.SetOwner(d, 3);
    EXPECT_TRUE(Destinations(w, m).empty());
    EXPECT_EQ(MovePeople(w, m, std::vector<int>{3}, std::nullopt, {}),
              Refused("도시를 선택해주세요."));
}

TEST(MovePeople, TheSelectedGoWithTheGoodsInFull) {
    auto [w, m] = MovingWorld();
    EXPECT_EQ(MovingPeople(w, m), (std::vector<int>{3, 4, 5}));
    w.options.notices = true;
    const Outcome outcome = MovePeople(w, m, std::vector<int>{3, 5}, kAway, {"1", "", "5", "5000"});
    EXPECT_EQ(outcome.messages,
              (std::vector<std::string>{
                  "수송이 완료되었습니다.", "돈이(가) -5000이 되었습니다.",
                  "조폭인원이(가) -2이 되었습니다.", "각목이(가) -5이 되었습니다.",
                  "진검이(가) -1이 되었습니다.", "조직원수이(가) -60이 되었습니다."}));
    EXPECT_TRUE(outcome.done);
    for (int h : {3, 5}) {
        EXPECT_EQ(w.HumanCity[h], "관악");
        EXPECT_FALSE(w.HumanCanAct[h]);
    }
    EXPECT_EQ(w.HumanCity[4], "서초");
    EXPECT_TRUE(w.HumanCanAct[4]);
    EXPECT_EQ(MovingPeople(w, m), (std::vector<int>{4}));
    EXPECT_EQ(w.CityMoney[kHome], 15000);
    EXPECT_EQ(w.CityMoney[kAway], 5100);
    EXPECT_EQ(w.CitySword[kAway], 1);
    EXPECT_EQ(w.CityStick[kHome], 0);
    EXPECT_EQ(w.CityStick[kAway], 5);
}

TEST(SelectAllButton, SelectsEveryoneThenNobody) {
    auto [w, m] = MovingWorld();
    SelectAllButton button;
    EXPECT_EQ(button.caption, "모두 선택");
    const std::vector<int> selected = button.Press(MovingPeople(w, m));
    EXPECT_EQ(selected, (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(button.caption, "모두 해제");
    // Everyone selected moves.
    EXPECT_TRUE(MovePeople(w, m, selected, kAway, {}).done);
    for (int h : {3, 4, 5})
        EXPECT_EQ(w.HumanCity[h], "관악");
    EXPECT_EQ(button.Press({3, 4, 5}), std::vector<int>{});
    EXPECT_EQ(button.caption, "모두 선택");
}

TEST(MovePeople, GoodsTravelAloneWhenNobodyIsSelected) {
    auto [w, m] = MovingWorld();
    // The list has a current entry, but its selection was taken back.
    EXPECT_TRUE(MovePeople(w, m, std::vector<int>{}, kAway, {"", "4", "", ""}).done);
    EXPECT_EQ(w.CityKnife[kHome], 0);
    EXPECT_EQ(w.CityKnife[kAway], 4);
    EXPECT_EQ(MovingPeople(w, m), (std::vector<int>{3, 4, 5}));
}

TEST(TransportGoods, TheEscortsFiguresDecideWhatArrives) {
    struct Case {
        double attack, defence, agility;  // full stamina: Int((attack + defence) / 2)
        double money, swords;
        double moneyArrived, swordsArrived;
        const char* detail;  // what arrived, told to the player
    };
    const Case cases[] = {
        // average 55: 1.65 swords is one
        {60, 50, 55, 1000, 3, 550, 1, "도착한 것: 진검 1, 사시미 0, 각목 0, 돈 550 (보낸 것의 55%)"},
        // 100 × 0.29 falls just short of 29
        {29, 29, 29, 100, 0, 28, 0, "도착한 것: 진검 0, 사시미 0, 각목 0, 돈 28 (보낸 것의 29%)"},
        {100, 100, 100, 20000, 3, 20000, 3,
         "도착한 것: 진검 3, 사시미 0, 각목 0, 돈 20000 (보낸 것의 100%)"},
        {0, 0, 0, 20000, 3, 0, 0, "도착한 것: 진검 0, 사시미 0, 각목 0, 돈 0 (보낸 것의 0%)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.attack << " " << c.defence << " " << c.agility);
        auto [w, m] = MovingWorld();
        test::Place(w, 4, kHome, 0, c.attack, c.defence);
        w.HumanAgility[4] = c.agility;
        const std::string money = FormatNumber(c.money), swords = FormatNumber(c.swords);
        EXPECT_EQ(TransportGoods(w, m, 4, kAway, {swords, "", "", money}),
                  (Outcome{true, {"수송이 완료되었습니다."}, c.detail}));
        EXPECT_EQ(w.CityMoney[kHome], 20000 - c.money);
        EXPECT_EQ(w.CitySword[kHome], 3 - c.swords);
        EXPECT_EQ(w.CityMoney[kAway], 100 + c.moneyArrived);
        EXPECT_EQ(w.CitySword[kAway], c.swordsArrived);
        EXPECT_EQ(w.HumanCity[4], "서초");
        EXPECT_FALSE(w.HumanCanAct[4]);
    }
}

TEST(TransportGoods, AnEmptyShipmentStillTakesTheEscortsTurn) {
    auto [w, m] = MovingWorld();
    World expected = w;
    expected.HumanCanAct[3] = false;
    EXPECT_EQ(TransportGoods(w, m, 3, kAway, {}),
              (Outcome{true,
                       {"수송이 완료되었습니다."},
                       "도착한 것: 진검 0, 사시미 0, 각목 0, 돈 0 (보낸 것의 30%)"}));
    EXPECT_EQ(w, expected);
}

TEST(MovingAndTransport, RefusalsChangeNothing) {
    struct Case {
        const char* name;
        bool transport;
        bool chosen;  // a person chosen (for moving: the list has a current entry)
        std::optional<int> target;
        GoodsBoxes boxes;
        std::string message;
    };
    const Case cases[] = {
        {"move, nobody", false, false, kAway, {}, "사람을 선택해주세요."},
        {"move, nowhere", false, true, std::nullopt, {}, "도시를 선택해주세요."},
        {"move, more money",
         false,
         true,
         kAway,
         {"", "", "", "20001"},
         "0부터 20000까지의 정수를 입력해주세요."},
        {"move, fraction",
         false,
         true,
         kAway,
         {"1.5", "", "", ""},
         "0부터 3까지의 정수를 입력해주세요."},
        {"transport, nobody", true, false, kAway, {}, "사람을 선택해주세요."},
        {"transport, nowhere", true, true, std::nullopt, {}, "도시를 선택해주세요."},
        {"transport, more sticks",
         true,
         true,
         kAway,
         {"", "", "6", ""},
         "0부터 5까지의 정수를 입력해주세요."},
        {"transport, negative",
         true,
         true,
         kAway,
         {"", "-4", "", ""},
         "0부터 4까지의 정수를 입력해주세요."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto [w, m] = MovingWorld();
        const World before = w;
        const Outcome outcome =
            c.transport
                ? TransportGoods(w, m, c.chosen ? std::optional<int>(3) : std::nullopt, c.target,
                                 c.boxes)
                : MovePeople(w, m, c.chosen ? std::optional(std::vector<int>{3}) : std::nullopt,
                             c.target, c.boxes);
        EXPECT_EQ(outcome, Refused(c.message));
        EXPECT_EQ(w, before);
    }
}

TEST(Destinations, AnotherGangsDistrictIsNeverListed) {
    auto [w, m] = MovingWorld();
    w.SetOwner(kOther, 0);
    EXPECT_EQ(Destinations(w, m), (std::vector<int>{kOther, 12, 20, 21}));
    OpenCommandMenu(w, m, kOther);
    EXPECT_EQ(Destinations(w, m), (std::vector<int>{kHome, 12, 20, 21}));
    EXPECT_EQ(GoodsBarBases(w, m), (Amounts<4>{0, 0, 0, 0}));
}

}  // namespace
}  // namespace golmok
