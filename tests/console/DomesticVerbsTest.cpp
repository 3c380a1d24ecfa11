// The domestic command verbs on a small world where every command has something to do: the
// shipped data starts with everybody at full morale, stamina, members and loyalty.
#include <gtest/gtest.h>

#include <sstream>

#include "console/Console.h"
#include "support/TestWorld.h"

namespace golmok {
namespace {

constexpr int kSeocho = 7;
constexpr int kJongno = 0;

// In 서초: person 2 (charm 70, intelligence 60) and person 3 (attack 31, defence 20, stamina 10,
// morale 99, loyalty 90, 10 of 30 members). In 종로: person 50 of gang 4 with loyalty 80.
World Fixture() {
    World w = test::BlankWorld();
    test::Place(w, 2, kSeocho, 0);
    w.HumanCharm[2] = 70;
    w.HumanIntelligence[2] = 60;
    test::Place(w, 3, kSeocho, 0, 31, 20, 30);
    w.HumanStamina[3] = 10;
    w.HumanMorale[3] = 99;
    w.HumanLoyalty[3] = 90;
    w.HumanMembers[3] = 10;
    test::Place(w, 50, kJongno, 4, 40, 40, 33);
    w.HumanLoyalty[50] = 80;
    w.CityMoney[kSeocho] = 16000000;
    return w;
}

std::string RunLines(const std::vector<std::string>& lines) {
    Session session(Fixture());
    std::ostringstream out;
    Console console(session, out, test::ShippedData());
    for (const std::string& line : lines)
        console.RunLine(line);
    return out.str();
}

TEST(DomesticVerbs, EveryCommandOnASmallWorld) {
    struct Case {
        std::vector<std::string> lines;
        std::string expected;
    };
    const Case cases[] = {
        {{"list train", "train 3", "list train", "train 3"},
         "list train 3\n"
         "message: 조직원사기가 +1 되었습니다.\n"
         "list train\n"
         "error: the dialog does not list person '3'\n"},
        // 150000 for 15 points of stamina; no message of its own, only the notice.
        {{"list heal", "heal 3", "list heal"},
         "list heal 3\n"
         "message: 돈이(가) -150000이 되었습니다.\n"
         "list heal\n"},
        {{"reorg 3 0", "reorg 2 100", "reorg 2 20", "reorg-close", "reorg 3 5", "panel"},
         "reorg pool=10 members=0\n"
         "reorg pool=10 members=30\n"  // full at leadership 30
         "reorg pool=20 members=20\n"
         "reorg pool=0 members=0\n"  // a fresh pool after closing: nothing to take
         "panel city=7 name=서초 group=거지파 population=0 commerce=0 money=16000000 people=2 "
         "stick=0 sword=0 members=40 knife=0 fame=0\n"},
        // Leadership 30, members 10: the box takes up to 400000.
        {{"recruit 3 400001", "recruit 3 59999", "show human 3"},
         "error: the amount box does not take '400001': 0부터 400000까지의 정수를 입력해주세요.\n"
         "message: 조직원이 스카웃되었습니다.\n"
         "message: 돈이(가) -59999이 되었습니다.\n"
         "message: 조직원수이(가) + 2이 되었습니다.\n"
         "human 3 name=사람3 group=거지파 rank=조장 city=서초 loyalty=90 attack=31 defence=20 "
         "charm=0 agility=0 stamina=10 intelligence=0 leadership=30 members=12 morale=99 "
         "canact=False weapon=각목 attackparty=False defenceparty=False\n"},
        // The line an empty list shows; nothing after the name while the list holds anybody.
        {{"why-empty train", "train 3", "why-empty train", "collect 2", "why-empty collect",
          "why-empty heal", "why-empty scout-targets 0", "why-empty nothing"},
         "why-empty train\n"
         "message: 조직원사기가 +1 되었습니다.\n"
         "why-empty train 행동할 수 있는 사람은 모두 조직원사기가 100입니다.\n"
         "message: 돈이 걷혀졌습니다.\n"
         "message: 명성이(가) -1이 되었습니다.\n"
         "why-empty collect 이 구역 사람들은 이번 주에 모두 행동했습니다.\n"
         "why-empty heal\n"
         "why-empty scout-targets\n"
         "error: no list 'nothing'\n"},
        {{"prize 3 250000", "list prize"},
         "message: 더 열심히 하겠습니다.\n"
         "message: 돈이(가) -250000이 되었습니다.\n"
         "list prize 3\n"},
        // 80 − 15 = 65 = Int((70 + 60) / 2): he comes over with his 33 members.
        {{"list scout-targets 0", "scout 2 50 15000000", "list info", "info-group 4"},
         "list scout-targets 50\n"
         "message: 행동대장이 스카웃 되었습니다.\n"
         "message: 돈이(가) -15000000이 되었습니다.\n"
         "message: 조폭인원이(가) + 1이 되었습니다.\n"
         "message: 조직원수이(가) + 33이 되었습니다.\n"
         "list info 2 3 50\n"
         "groupinfo money=0 fame=0 boss= people= members= sword=0 knife=0 stick=0\n"},
        {{"develop 2 0", "collect 3", "dismiss 3", "list dismiss"},
         "message: 상업이 개발되었습니다.\n"
         "message: 돈이 걷혀졌습니다.\n"
         "message: 명성이(가) -1이 되었습니다.\n"
         "message: 해고되었습니다.\n"
         "message: 조폭인원이(가) -1이 되었습니다.\n"
         "message: 조직원수이(가) -10이 되었습니다.\n"
         "list dismiss 2\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = {"new-game 0", "city 7", "option notices on"};
        lines.insert(lines.end(), c.lines.begin(), c.lines.end());
        const std::string start =
            "message: 도움말을 꼭 보십시오.\n"
            "panel city=7 name=서초 group=거지파 population=0 commerce=0 money=16000000 people=2 "
            "stick=0 sword=0 members=40 knife=0 fame=0\n";
        EXPECT_EQ(RunLines(lines), start + c.expected) << c.lines.front();
    }
}

TEST(DomesticVerbs, ReorganizingStaysOpenUntilClosedQuitOrAFight) {
    // The dialog keeps its pool between lines; quitting closes it, so the pool starts afresh.
    EXPECT_EQ(RunLines({"new-game 0", "city 7", "reorg 3 0", "reorg 3 4", "quit", "new-game 0",
                        "city 7", "reorg 3 20", "reorg-close", "reorg-close"}),
              "message: 도움말을 꼭 보십시오.\n"
              "panel city=7 name=서초 group=거지파 population=0 commerce=0 money=16000000 "
              "people=2 stick=0 sword=0 members=40 knife=0 fame=0\n"
              "reorg pool=10 members=0\n"
              "reorg pool=6 members=4\n"
              "message: 종료하시겠습니까?\n"
              "message: 도움말을 꼭 보십시오.\n"
              "panel city=7 name=서초 group=거지파 population=0 commerce=0 money=16000000 "
              "people=2 stick=0 sword=0 members=40 knife=0 fame=0\n"
              "reorg pool=0 members=10\n"
              "error: the 재편성 dialog is not open\n");
}

}  // namespace
}  // namespace golmok
