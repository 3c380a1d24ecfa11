// 살아있는 세계: lured people stay loyal, the gangs lure before they train, the month-end push
// between computer gangs, the beaten fleeing to their own gang, and a gang with no district rising
// where its boss stands. Each rule is shown on and off; off, the computer gangs play by the game's
// own rules.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "game/ComputerGangs.h"
#include "game/TurnNews.h"
#include "support/TestWorld.h"

namespace golmok {
namespace {

constexpr int kPlayer = 0;  // 거지파: 서초 7, 관악 12, 금천 20, 동작 21
constexpr int kJijon = 1;   // 지존파: 강남 5
constexpr int kHero = 3;    // 영웅파: 동대문 1, 중랑 17, 성동 22
constexpr int kJongno = 4;  // 종로파: 종로 0, 용산 4, 중구 14
constexpr int kMajeok = 5;  // 마적파: 영등포 3
constexpr int kHeuksa = 6;  // 흑사파: 도봉 8

// Every district held by five people of its owner, people c × 5 .. c × 5 + 4, who lead nobody
// and have no stamina: never picked to fight, and safe from any party by the game's own rule.
World GarrisonedWorld(bool living) {
    World w = test::GarrisonedWorld(5);
    w.options.living = living;
    return w;
}

// Five fighters of 마적파 in 영등포, people 150..154, each with `strength` members and stamina.
void PlaceFighters(World& w, double strength) {
    for (int h = 150; h < 155; ++h)
        test::Place(w, h, 3, kMajeok, strength, strength, strength);
}

// ---------------------------------------------------------------------------------------------
// 영입 충성

// Two recruiters (r = 90) in 영등포 and 강남, and two disloyal people of the player: 160 (loyalty
// 30) in 서초 and 161 (loyalty 50) in 관악. By the game's own rule 영등포 lures 160 and 강남 lures
// him on; with the rule he is loyal once lured, and 강남 takes 161 instead.
TEST(LivingWorld, ALuredPersonIsLoyalAndOutOfReachForTheRestOfTheStep) {
    struct Case {
        bool living;
        const char* city160;
        const char* group160;
        double loyalty160;
        const char* city161;
        const char* group161;
        double loyalty161;
    } cases[] = {
        {false, "강남", "지존파", 30, "관악", "거지파", 50},
        {true, "영등포", "마적파", 100, "강남", "지존파", 100},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.living ? "on" : "off");
        World w = test::BlankWorld();
        w.options.living = k.living;
        for (auto [h, city, group] : {std::tuple{150, 3, kMajeok}, std::tuple{151, 5, kJijon}}) {
            test::Place(w, h, city, group, 0, 0, 0);
            w.HumanCharm[h] = 90;
            w.HumanIntelligence[h] = 90;
        }
        test::Place(w, 160, 7, kPlayer, 0, 0, 0);
        w.HumanLoyalty[160] = 30;
        test::Place(w, 161, 12, kPlayer, 0, 0, 0);
        w.HumanLoyalty[161] = 50;
        ScoutAI(w);
        EXPECT_EQ(w.HumanCity[160], k.city160);
        EXPECT_EQ(w.HumanGroup[160], k.group160);
        EXPECT_EQ(w.HumanLoyalty[160], k.loyalty160);
        EXPECT_EQ(w.HumanCity[161], k.city161);
        EXPECT_EQ(w.HumanGroup[161], k.group161);
        EXPECT_EQ(w.HumanLoyalty[161], k.loyalty161);
    }
}

// ---------------------------------------------------------------------------------------------
// 영입 먼저

// 마적파's 150 in 영등포 (r = 90, morale 50) could lure the player's 160 (loyalty 30, morale 40)
// from 서초; 지존파's 151 in 강남 (morale 50) has nobody's ear. Nothing else takes anybody's week.
// By the game's own order 150 trains and is spent before luring; with 살아있는 세계 he lures
// first and does not train, while 160, lured and not spent, trains with his new gang. Whoever
// does not lure trains either way.
TEST(LivingWorld, TheGangsLureBeforeTheyTrain) {
    struct Case {
        const char* what;
        bool living;
        double loyalty160;  // 100: nobody to lure
        double morale150;
        const char* city160;
        double morale160;
    } cases[] = {
        {"the rule off: training first", false, 30, 51, "서초", 40},
        {"luring first", true, 30, 50, "영등포", 41},
        {"nobody to lure: the recruiter trains", true, 100, 51, "서초", 40},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        World w = test::BlankWorld();
        w.options.living = k.living;
        test::Place(w, 150, 3, kMajeok, 0, 0, 0);
        w.HumanCharm[150] = 90;
        w.HumanIntelligence[150] = 90;
        test::Place(w, 151, 5, kJijon, 0, 0, 0);
        test::Place(w, 160, 7, kPlayer, 0, 0, 0);
        w.HumanLoyalty[160] = k.loyalty160;
        w.HumanMorale[150] = 50;
        w.HumanMorale[151] = 50;
        w.HumanMorale[160] = 40;
        RunComputerGangs(w);
        EXPECT_EQ(w.HumanMorale[150], k.morale150);
        EXPECT_FALSE(w.HumanCanAct[150]);
        EXPECT_EQ(w.HumanMorale[151], 51);
        EXPECT_EQ(w.HumanCity[160], k.city160);
        EXPECT_EQ(w.HumanMorale[160], k.morale160);
    }
}

// ---------------------------------------------------------------------------------------------
// 월말 총공세

// 영등포's five (members 40 + stamina 40 each: 400) against the garrisoned city, where five people
// make every district safe by the game's own rule. 종로 (0) comes first in the scan; its person 0
// is given `defence` members and as much stamina, so its five strongest sum to 2 × `defence`.
TEST(LivingWorld, AFullPartyFallsUponAComputerDistrictAtTheMonthsEnd) {
    struct Case {
        const char* what;
        bool living;
        int week;        // the date the turn end has moved to
        double defence;  // members (and stamina) of 종로's person 0
        int fighters;    // the party's size
        bool sixth;      // a sixth person in 종로, of the player's gang, with 150 + 150
        int taken;       // the district taken, or -1
    } cases[] = {
        {"more than twice the five strongest", true, 4, 99, 5, false, 0},
        {"exactly twice: the next district", true, 4, 100, 5, false, 1},
        {"a sixth person counts among the five strongest", true, 4, 0, 5, true, 1},
        {"not week 4", true, 3, 0, 5, false, -1},
        {"a party of four", true, 4, 0, 4, false, -1},
        {"the rule off", false, 4, 0, 5, false, -1},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        World w = GarrisonedWorld(k.living);
        w.Week = k.week;
        PlaceFighters(w, 40);
        for (int h = 150 + k.fighters; h < 155; ++h)
            w.HumanCity[h] = kJoblessCity;
        test::Place(w, 0, 0, kJongno, k.defence, k.defence, k.defence);
        if (k.sixth) test::Place(w, 160, 0, kPlayer, 150, 150, 150);
        const World before = w;
        AttackAI(w);
        for (int c = 0; c < kCityCount; ++c) {
            SCOPED_TRACE(c);
            EXPECT_EQ(w.CityOwnerColor[c],
                      c == k.taken ? w.GroupColor[kMajeok] : before.CityOwnerColor[c]);
        }
        EXPECT_EQ(w.HumanCity[150], k.taken >= 0 ? w.CityName[k.taken] : before.HumanCity[150]);
        EXPECT_EQ(w.AttackFromCity, -1);
    }
}

// The player's districts are never the month-end push's target, however weak.
TEST(LivingWorld, TheMonthEndPushLeavesThePlayerAlone) {
    World w = GarrisonedWorld(true);
    w.Week = 4;
    PlaceFighters(w, 40);
    // Every computer district out of reach: one person there with 1000 members and stamina.
    for (int c = 0; c < kCityCount; ++c) {
        if (!w.IsPlayerCity(c)) test::Place(w, c * 5, c, *w.OwnerOf(c), 1000, 1000, 1000);
    }
    const World before = w;
    AttackAI(w);
    EXPECT_EQ(w.CityOwnerColor, before.CityOwnerColor);
    EXPECT_EQ(w.AttackFromCity, -1);
    EXPECT_EQ(w.HumanCity, before.HumanCity);
}

// ---------------------------------------------------------------------------------------------
// 패주

// 마적파's five take 종로 from 종로파 at the month's end. 종로파 still holds 용산 (4, five people)
// and 중구 (14, four people): its five men in 종로 flee, each to the one with fewer people then,
// 용산 on ties. Person 0 leads 80 members and keeps 30. When 종로파 holds nothing else, they
// join 마적파 as the game's own rule has it.
TEST(LivingWorld, TheBeatenFleeToTheirGangsEmptiestDistrict) {
    for (const bool elsewhere : {true, false}) {
        SCOPED_TRACE(elsewhere ? "종로파 holds 용산 and 중구" : "종로파 holds only 종로");
        World w = GarrisonedWorld(true);
        w.Week = 4;
        PlaceFighters(w, 40);
        test::Place(w, 0, 0, kJongno, 0, 0, 80);
        w.HumanCity[74] = kJoblessCity;  // 중구 keeps four people
        if (!elsewhere) {
            w.SetOwner(4, kHeuksa);
            w.SetOwner(14, kHeuksa);
        }
        TurnNews news;
        RunComputerGangs(w, &news);
        EXPECT_EQ(w.OwnerOf(0), kMajeok);
        const char* fled[] = {"중구", "용산", "중구", "용산", "중구"};
        for (int h = 0; h < 5; ++h) {
            SCOPED_TRACE(h);
            EXPECT_EQ(w.HumanCity[h], elsewhere ? fled[h] : "종로");
            EXPECT_EQ(w.HumanGroup[h], elsewhere ? "종로파" : "마적파");
            // The same losses either way, before the turn end's range check.
            EXPECT_EQ(w.HumanLoyalty[h], 80);
            EXPECT_EQ(w.HumanMorale[h], 90);
        }
        EXPECT_EQ(w.HumanMembers[0], 30);
        if (elsewhere) {
            // The tallies followed them: 용산 5 + 2, 중구 4 + 3 with person 0's 30 members.
            EXPECT_EQ(w.CityHumanCount[4], 7);
            EXPECT_EQ(w.CityHumanCount[14], 7);
            EXPECT_EQ(w.CityMemberTotal[14], 30);
            // 종로 stood empty when the fighters came: the first walked in unhurt.
            EXPECT_EQ(w.HumanMembers[150], 40);
            EXPECT_EQ(w.HumanMembers[151], -10);
            EXPECT_EQ(w.CityHumanCount[0], 5);
            for (const TurnEvent& e : news)
                EXPECT_NE(e.kind, TurnEventKind::ChangedSides);
        }
    }
}

// ---------------------------------------------------------------------------------------------
// 재기

// 영웅파 has lost 동대문, 중랑 and 성동; its boss 쌍칼 (person 160, now of 흑사파) stands in
// 흑사파's 도봉. With the rule, 도봉 turns 영웅파's and everybody there joins it; the news says so.
TEST(LivingWorld, AGangWithNoDistrictRisesWhereItsBossStands) {
    struct Case {
        const char* what;
        bool living;
        int bossCity;   // where 쌍칼 stands, -1 for no district
        bool holdsOne;  // 영웅파 still holds 성동
        bool risen;
    } cases[] = {
        {"boss in another computer gang's district", true, 8, false, true},
        {"the rule off", false, 8, false, false},
        {"the gang still holds a district", true, 8, true, false},
        {"boss in the player's district", true, 7, false, false},
        {"boss in no district", true, -1, false, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        World w = GarrisonedWorld(k.living);
        for (int c : {1, 17, 22})
            w.SetOwner(c, kHeuksa);
        if (k.holdsOne) w.SetOwner(22, kHero);
        test::Place(w, 160, k.bossCity >= 0 ? k.bossCity : 0, kHeuksa, 0, 0, 0);
        if (k.bossCity < 0) w.HumanCity[160] = kJoblessCity;
        w.HumanName[160] = w.GroupBossName[kHero];
        const World before = w;
        TurnNews news;
        RunComputerGangs(w, &news);
        if (k.risen) {
            EXPECT_EQ(w.OwnerOf(8), kHero);
            for (int h : {40, 41, 42, 43, 44, 160})
                EXPECT_EQ(w.HumanGroup[h], "영웅파");
            TurnEvent rose;
            rose.kind = TurnEventKind::Comeback;
            rose.gang = kHero;
            rose.fromGang = kHeuksa;
            rose.city = 8;
            rose.human = 160;
            ASSERT_EQ(news.size(), 1U);
            EXPECT_EQ(news[0], rose);
            EXPECT_EQ(NewsLine(rose), "news comeback city=8 by=3 from=6 human=160");
            EXPECT_EQ(NewsSentence(w, rose),
                      "구역을 모두 잃었던 영웅파가 두목 쌍칼을 앞세워 흑사파의 도봉에서 다시 "
                      "일어섰습니다.");
        } else {
            EXPECT_EQ(w.CityOwnerColor, before.CityOwnerColor);
            EXPECT_EQ(w.HumanGroup, before.HumanGroup);
            EXPECT_TRUE(news.empty());
        }
    }
}

}  // namespace
}  // namespace golmok
