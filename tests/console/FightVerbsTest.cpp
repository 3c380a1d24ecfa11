// Fights through the console on a small world: a defence after an announced attack, fought on
// the computer's clock, and an unopposed take-over.
#include <gtest/gtest.h>

#include <sstream>

#include "console/Console.h"
#include "world/SharedRoutines.h"
#include "support/TestWorld.h"

namespace golmok {
namespace {

// The player leads 거지파; 사람0 (1000 members) stands in 서초, 사람100 of 흑사파 in 도봉.
struct ConsoleFight {
    Session session{test::BlankWorld()};
    std::ostringstream out;
    Console console{session, out, "."};

    ConsoleFight() {
        session.StartNewGame(0);
        World& w = session.world();
        test::Place(w, 0, 7, 0, 40, 40, 1000);
        test::Place(w, 100, 8, 6);
        w.HumanWeapon.fill("주먹");
    }

    // What a turn end leaves when 도봉 attacks 서초.
    void AnnounceAttack() {
        World& w = session.world();
        w.AttackFromCity = 8;
        w.AttackToCity = 7;
        LockMap(w);
        w.DefenceSetupOpen = true;
    }

    std::string Run(const std::vector<std::string>& lines) {
        out.str("");
        for (const std::string& line : lines)
            console.RunLine(line);
        return out.str();
    }
};

TEST(FightVerbs, ADefenceOnTheComputersClockFoughtToItsEnd) {
    ConsoleFight c;
    c.session.world().BattleMode = BattleMode::Real;
    c.AnnounceAttack();
    EXPECT_EQ(c.Run({"list defend", "city 7", "attack 8 0:주먹", "key 40", "defend",
                     "defend 0:진검", "defend 0:주먹"}),
              "list defend 0\n"
              "error: the map is locked during a fight\n"
              "error: the map is locked during a fight\n"
              "error: no fight is running\n"
              "message: 사람을 선택해주세요.\n"
              "message: 진검 갯수가 모자릅니다.\n"
              "field side=defence mode=Real turn=0 enemyturn=0 aiming=False\n"
              "player 0 human=0 present=True x=0 y=0 weapon=주먹 stamina=40 members=1000\n"
              "player 1 human=-1 present=False\n"
              "player 2 human=-1 present=False\n"
              "player 3 human=-1 present=False\n"
              "player 4 human=-1 present=False\n"
              "enemy 0 human=100 present=True x=0 y=4320 weapon=주먹 stamina=40 members=30\n"
              "enemy 1 human=-1 present=False\n"
              "enemy 2 human=-1 present=False\n"
              "enemy 3 human=-1 present=False\n"
              "enemy 4 human=-1 present=False\n");
    EXPECT_FALSE(c.session.world().DefenceSetupOpen);
    // Four steps down, four steps of the attacker up: they stand face to face.
    EXPECT_EQ(c.Run({"key 40", "key 40", "key 40", "key 40", "tick", "tick", "tick", "tick",
                     "defend 0:주먹", "field"}),
              "error: no attack is announced: no defence to set up\n"
              "field side=defence mode=Real turn=0 enemyturn=0 aiming=False\n"
              "player 0 human=0 present=True x=0 y=1920 weapon=주먹 stamina=40 members=1000\n"
              "player 1 human=-1 present=False\n"
              "player 2 human=-1 present=False\n"
              "player 3 human=-1 present=False\n"
              "player 4 human=-1 present=False\n"
              "enemy 0 human=100 present=True x=0 y=2400 weapon=주먹 stamina=40 members=30\n"
              "enemy 1 human=-1 present=False\n"
              "enemy 2 human=-1 present=False\n"
              "enemy 3 human=-1 present=False\n"
              "enemy 4 human=-1 present=False\n");
    // Aim below, strike for Int(50 × 1000 / 1000) = 50: the strike's pass takes him off the
    // board, the console's pass after the key finds the fight won.
    EXPECT_EQ(c.Run({"key 65", "key 40", "field", "key 13", "field", "show human 100",
                     "show group 6", "show game"}),
              "field side=defence mode=Real turn=0 enemyturn=0 aiming=True\n"
              "player 0 human=0 present=True x=0 y=1920 weapon=주먹 stamina=40 members=1000\n"
              "player 1 human=-1 present=False\n"
              "player 2 human=-1 present=False\n"
              "player 3 human=-1 present=False\n"
              "player 4 human=-1 present=False\n"
              "enemy 0 human=100 present=True x=0 y=2400 weapon=주먹 stamina=40 members=30\n"
              "enemy 1 human=-1 present=False\n"
              "enemy 2 human=-1 present=False\n"
              "enemy 3 human=-1 present=False\n"
              "enemy 4 human=-1 present=False\n"
              "aim weapon=주먹 x=0 y=2400\n"
              "message: 싸움에서 이겼습니다.\n"
              "fight over\n"
              "error: no fight is running\n"
              "human 100 name=사람100 group=거지파 rank=조장 city=서초 loyalty=80 attack=40 "
              "defence=40 charm=0 agility=0 stamina=0 intelligence=0 leadership=30 members=0 "
              "morale=90 canact=True weapon=주먹 attackparty=True defenceparty=False\n"
              "group 6 name=흑사파 color=16711680 boss=발가락 fame=0 ally=0 hostility=95\n"
              "game year=1930 month=1 week=1 player=0 playername=거지파 playercolor=33023 "
              "battlemode=Real attackfrom=8 attackto=7 maplocked=False\n");
    EXPECT_FALSE(c.session.fight());
}

TEST(FightVerbs, TickOnlyInARealTimeFightAndKeysOnlyInAFight) {
    ConsoleFight c;
    c.AnnounceAttack();
    EXPECT_EQ(c.Run({"tick", "field", "key 40"}),
              "error: no fight is running\n"
              "error: no fight is running\n"
              "error: no fight is running\n");
    c.Run({"defend 0:주먹"});
    ASSERT_TRUE(c.session.fight());
    EXPECT_EQ(c.Run({"tick", "key up", "key 40 40", "key -1", "key 90"}),
              "error: the computer's clock only runs in real-time fights\n"
              "error: no key code 'up'\n"
              "error: usage: key K\n"
              "error: no key code '-1'\n");
    // Any other key passes the turn; in a turn fight the attacker answers with a step.
    EXPECT_EQ(c.session.fight()->enemy[0].shown, (Position{0, 3840}));
}

TEST(FightVerbs, AnUnopposedTakeOverPrintsNothing) {
    ConsoleFight c;
    EXPECT_EQ(c.Run({"city 7", "list attack", "attack 9 0:주먹", "show city 9", "field"}),
              "panel city=7 name=서초 group=거지파 population=0 commerce=0 money=0 people=1 "
              "stick=0 sword=0 members=1000 knife=0 fame=0\n"
              "list attack 0\n"
              "city 9 name=강서 owner=0 color=33023 population=0 commerce=0 money=0 sword=0 "
              "knife=0 stick=0 count=0 total=0\n"
              "error: no fight is running\n");
    EXPECT_EQ(c.session.world().HumanCity[0], "강서");
}

}  // namespace
}  // namespace golmok
