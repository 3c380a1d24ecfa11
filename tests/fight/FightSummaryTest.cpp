#include <gtest/gtest.h>

#include "fight/Board.h"
#include "fight/FightSummary.h"

namespace golmok {
namespace {

using test::Board;

// Fights decided by hand: the named fighters are struck down, the passes run to the result.
struct Decided {
    const char* name;
    FightSide side;
    std::vector<int> playerDown;  // humans 0 and 1 fight for the player (거지파, from 서초)
    std::vector<int> enemyDown;   // humans 100 and 101 for 흑사파 (from 도봉)
    FightResult result;
    FightSummary summary;
};

TEST(FightSummary, WhoFellWhoChangedSidesWhoHoldsTheDistrict) {
    constexpr int kSeocho = 7;
    constexpr int kDobong = 8;
    const Decided cases[] = {
        // The player takes 도봉: the beaten defenders join him.
        {"attack won",
         FightSide::Attack,
         {1},
         {100, 101},
         FightResult::Won,
         {{1}, {100, 101}, {100, 101}, kDobong, 0, {}}},
        // The attack fails: the player's fighters go over to 흑사파, who keep 도봉.
        {"attack lost",
         FightSide::Attack,
         {0, 1},
         {101},
         FightResult::Lost,
         {{0, 1}, {101}, {0, 1}, kDobong, 6, {}}},
        // 흑사파 take 서초 from the player.
        {"defence lost",
         FightSide::Defence,
         {0, 1},
         {},
         FightResult::Lost,
         {{0, 1}, {}, {0, 1}, kSeocho, 6, {}}},
        {"defence won",
         FightSide::Defence,
         {},
         {100, 101},
         FightResult::Won,
         {{}, {100, 101}, {100, 101}, kSeocho, 0, {}}},
    };
    for (const Decided& c : cases) {
        Board b(false, c.side);
        b.Player(0, 0, {0, 0});
        b.Player(1, 1, {960, 0});
        b.Enemy(0, 100, {0, 4320});
        b.Enemy(1, 101, {960, 4320});
        if (c.side == FightSide::Defence) {
            b.w.HumanInDefenceParty[0] = b.w.HumanInDefenceParty[1] = true;
            b.w.HumanInAttackParty[100] = b.w.HumanInAttackParty[101] = true;
        } else {
            b.w.HumanInAttackParty[0] = b.w.HumanInAttackParty[1] = true;
            b.w.HumanInDefenceParty[100] = b.w.HumanInDefenceParty[101] = true;
        }
        for (int h : c.playerDown)
            b.w.HumanStamina[h] = 0;
        for (int h : c.enemyDown)
            b.w.HumanStamina[h] = 0;
        DeathPass(b.w, b.f);
        DeathPass(b.w, b.f);
        ASSERT_EQ(b.f.result, c.result) << c.name;
        EXPECT_EQ(SummarizeFight(b.w, b.f), c.summary) << c.name;
    }
}

TEST(FightSummary, SomeoneAlreadyOfTheWinningGangHasNotChangedSides) {
    // The defenders of a district are whoever stands there, whatever his gang: one of the
    // player's own people fought on 흑사파's side and is simply back with his gang.
    Board b;
    b.Player(0, 0, {0, 0});
    b.Enemy(0, 100, {0, 4320});
    b.Enemy(1, 101, {960, 4320});
    b.w.HumanGroup[101] = b.w.GroupName[0];
    b.f.enemy[1].gang = b.w.GroupName[0];
    b.w.HumanInDefenceParty[100] = b.w.HumanInDefenceParty[101] = true;
    b.w.HumanStamina[100] = b.w.HumanStamina[101] = 0;
    DeathPass(b.w, b.f);
    DeathPass(b.w, b.f);
    ASSERT_EQ(b.f.result, FightResult::Won);
    EXPECT_EQ(SummarizeFight(b.w, b.f).turned, (std::vector<int>{100}));
}

TEST(FightSummary, ADrawnFightChangesNobodyAndTheOwnerStays) {
    Board b;
    b.Player(0, 0, {0, 0});
    b.Enemy(0, 100, {0, 4320});
    b.w.HumanMembers[0] = b.w.HumanMembers[100] = 1;  // strikes of 0 on both sides
    DeathPass(b.w, b.f);
    ASSERT_EQ(b.f.result, FightResult::Drawn);
    EXPECT_EQ(SummarizeFight(b.w, b.f), (FightSummary{{}, {}, {}, 8, 6, {}}));
}

TEST(FightSummary, TheTextNamesThemWithTheRightParticles) {
    World w = test::BlankWorld();
    w.HumanName[0] = "번개손";
    w.HumanName[1] = "칼잡이";
    w.HumanName[100] = "발가락";
    w.HumanGroup[0] = w.HumanGroup[1] = "흑사파";
    struct Case {
        FightSummary summary;
        const char* text;
    };
    const Case cases[] = {
        {{{0, 1}, {}, {0, 1}, 8, 6, {}},
         "쓰러진 우리 편: 번개손, 칼잡이\n쓰러진 상대 편: 없음\n흑사파로 넘어간 사람: 번개손, "
         "칼잡이\n도봉은 이제 흑사파의 구역입니다."},
        {{{}, {100}, {}, 7, 0, {}},
         "쓰러진 우리 편: 없음\n쓰러진 상대 편: 발가락\n편을 바꾼 사람: 없음\n서초는 이제 "
         "거지파의 구역입니다."},
        {{{}, {}, {}, 7, std::nullopt, {}},
         "쓰러진 우리 편: 없음\n쓰러진 상대 편: 없음\n편을 바꾼 사람: 없음\n서초는 이제 어느 "
         "조직의 구역도 아닙니다."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FightSummaryText(w, c.summary), c.text);
    // People who went to several gangs are told gang by gang, in the order they come: 으로 after
    // a final consonant, 로 after a vowel or a final ㄹ.
    w.HumanGroup[1] = "관악";
    w.HumanGroup[100] = "마을";
    const std::string text = FightSummaryText(w, {{}, {}, {0, 100, 1}, 12, 4, {}});
    EXPECT_NE(text.find("\n흑사파로 넘어간 사람: 번개손\n마을로 넘어간 사람: 발가락\n관악으로 "
                        "넘어간 사람: 칼잡이\n관악은 이제 종로파의 구역입니다."),
              std::string::npos)
        << text;
}

}  // namespace
}  // namespace golmok
