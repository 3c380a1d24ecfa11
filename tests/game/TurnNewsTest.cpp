// The week's news: what the computer gangs' steps record, that recording changes nothing, the
// console's lines and the news window's sentences and order.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

#include "game/ComputerGangs.h"
#include "game/NewWorld.h"
#include "game/TurnCycle.h"
#include "game/TurnNews.h"
#include "support/TestWorld.h"

namespace golmok {
namespace {

constexpr int kPlayer = 0;  // 거지파
constexpr int kJijon = 1;   // 지존파: 강남 5, 강동 24
constexpr int kHero = 3;    // 영웅파: 동대문 1
constexpr int kMajeok = 5;  // 마적파: 영등포 3

// Every district held by two people of its owner who lead nobody and have no stamina (never
// picked to fight, but counted), people 0..49; tests move them away where they want a district
// empty.
World HeldWorld() {
    World w = test::BlankWorld();
    for (int c = 0; c < kCityCount; ++c) {
        for (int i = 0; i < 2; ++i)
            test::Place(w, c * 2 + i, c, *w.OwnerOf(c), 0, 0, 0);
    }
    return w;
}

void Empty(World& w, int city) {
    for (int i = 0; i < 2; ++i)
        w.HumanCity[city * 2 + i] = kJoblessCity;
}

// Two more people in every district but `except`: four in all, more than the party below.
void Crowd(World& w, int except) {
    for (int c = 0; c < kCityCount; ++c) {
        if (c == except) continue;
        for (int h = 60 + c * 2; h < 62 + c * 2; ++h)
            test::Place(w, h, c, *w.OwnerOf(c), 0, 0, 0);
    }
}

// Three fighters of 마적파 in 영등포, people 150..152, strong enough for any district above.
void PlaceFighters(World& w) {
    for (int h = 150; h < 153; ++h)
        test::Place(w, h, 3, kMajeok, 100, 100, 100);
}

}  // namespace

// Failures show the event as the console prints it.
void PrintTo(const TurnEvent& event, std::ostream* out) {
    *out << NewsLine(event);
}

namespace {

TurnEvent Taken(int city, int by, int from, int attacker, bool fought) {
    TurnEvent e;
    e.kind = TurnEventKind::Taken;
    e.city = city;
    e.gang = by;
    e.fromGang = from;
    e.fromCity = attacker;
    e.fought = fought;
    return e;
}

TurnEvent ChangedSides(int human, int city, int from, int to) {
    TurnEvent e;
    e.kind = TurnEventKind::ChangedSides;
    e.human = human;
    e.city = city;
    e.fromGang = from;
    e.gang = to;
    return e;
}

TurnEvent Poached(int human, int by, int from, int city, int fromCity = -1) {
    TurnEvent e;
    e.kind = TurnEventKind::Poached;
    e.human = human;
    e.gang = by;
    e.fromGang = from;
    e.city = city;
    e.fromCity = fromCity;
    return e;
}

// `commerce`: the district's commerce after the rise; 0 as in news kept before it was told.
TurnEvent Commerce(int city, int by, double money, double commerce = 0) {
    TurnEvent e;
    e.kind = TurnEventKind::Commerce;
    e.city = city;
    e.gang = by;
    e.money = money;
    e.members = commerce;
    return e;
}

TurnEvent Recruited(int gang, double members, int people) {
    TurnEvent e;
    e.kind = TurnEventKind::Recruited;
    e.gang = gang;
    e.members = members;
    e.people = people;
    return e;
}

TurnEvent AttackOn(int city, int by, int attacker) {
    TurnEvent e;
    e.kind = TurnEventKind::Attack;
    e.city = city;
    e.gang = by;
    e.fromGang = kPlayer;
    e.fromCity = attacker;
    return e;
}

TEST(TurnNews, AttackStepRecordsEveryDistrictTakenAndWhoChangedSides) {
    struct Case {
        const char* what;
        void (*arrange)(World&);
        TurnNews expected;
    };
    const Case cases[] = {
        {"a held district is fought for; its people join the winners",
         [](World& w) {
             // 종로 (0) is held by people 0 and 1; 마적파's three outnumber them.
             PlaceFighters(w);
         },
         {Taken(0, kMajeok, 4, 3, true), ChangedSides(0, 0, 4, kMajeok),
          ChangedSides(1, 0, 4, kMajeok)}},
        {"an empty district is walked into",
         [](World& w) {
             PlaceFighters(w);
             Empty(w, 0);
         },
         {Taken(0, kMajeok, 4, 3, false)}},
        {"a defender of the attacking gang does not change sides",
         [](World& w) {
             PlaceFighters(w);
             w.HumanGroup[1] = "마적파";
         },
         {Taken(0, kMajeok, 4, 3, true), ChangedSides(0, 0, 4, kMajeok)}},
        {"an empty district of the player is taken without a fight",
         [](World& w) {
             // Every district but the player's 서초 (7) holds more people than the party.
             Crowd(w, 7);
             PlaceFighters(w);
             Empty(w, 7);
         },
         {Taken(7, kMajeok, kPlayer, 3, false)}},
        {"a held district of the player is attacked after the turn end",
         [](World& w) {
             Crowd(w, 7);
             PlaceFighters(w);
         },
         {AttackOn(7, kMajeok, 3)}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        World w = HeldWorld();
        // Nobody able: only the attack step acts, and it does not care.
        w.HumanCanAct.fill(false);
        k.arrange(w);
        TurnNews news;
        RunComputerGangs(w, &news);
        EXPECT_EQ(news, k.expected);
    }
}

TEST(TurnNews, PoachingAndRecruitingAreRecordedAsTheyHappen) {
    World w = test::BlankWorld();
    // 마적파's recruiter in 영등포 (r = 50) lures the player's man (loyalty 40) out of 서초.
    test::Place(w, 150, 3, kMajeok, 0, 0, 0);
    w.HumanCharm[150] = 50;
    w.HumanIntelligence[150] = 50;
    w.HumanMembers[150] = 0;
    w.HumanLeadership[150] = 0;
    test::Place(w, 160, 7, kPlayer, 0, 0, 0);
    w.HumanLoyalty[160] = 40;
    // Recruiting: 영웅파's two people short of their leadership by 2 and by 10 keep 2 + 5; 지존파's
    // man at his leadership recruits nobody.
    test::Place(w, 170, 1, kHero, 0, 0, 30);
    w.HumanMembers[170] = 28;
    test::Place(w, 171, 1, kHero, 0, 0, 30);
    w.HumanMembers[171] = 20;
    test::Place(w, 172, 5, kJijon, 0, 0, 30);
    // Allies of the player attack nobody: the empty districts stay as they are.
    w.GroupAlly[kHero] = 1;
    w.GroupAlly[kJijon] = 1;
    TurnNews news;
    RunComputerGangs(w, &news);
    const TurnNews expected = {Recruited(kHero, 7, 2), Poached(160, kMajeok, kPlayer, 3, 7)};
    EXPECT_EQ(news, expected);
}

// Recording is only looking: over many turns of the shipped world's wars the turn end with news
// gives the same world and messages as the turn end without.
TEST(TurnNews, RecordingChangesNothing) {
    for (int player : {0, 1, 4}) {
        SCOPED_TRACE(player);
        World plain = BuildNewWorld(test::ShippedData());
        ChooseGroup(plain, player);
        World recorded = plain;
        bool heard = false;
        for (int turn = 1; turn <= 120; ++turn) {
            TurnNews news;
            const auto messages = EndTurn(plain);
            ASSERT_EQ(EndTurn(recorded, &news), messages) << "turn " << turn;
            ASSERT_EQ(recorded, plain) << "turn " << turn;
            heard = heard || !news.empty();
            // Nobody fights the announced attacks: the map is unfrozen for the next turn end.
            for (World* w : {&plain, &recorded}) {
                w->MapLocked = false;
                w->DefenceSetupOpen = false;
            }
        }
        EXPECT_TRUE(heard);
    }
}

TEST(TurnNews, AnAllianceThatEndsIsRecorded) {
    World after = test::BlankWorld();
    GroupTable<double> before{};
    before[2] = 1;  // ended
    before[4] = 1;  // goes on
    after.GroupAlly[4] = 1;
    after.GroupAlly[5] = 1;  // begun: no news
    TurnNews news;
    RecordEndedAlliances(before, after, news);
    TurnEvent ended;
    ended.kind = TurnEventKind::AllianceEnded;
    ended.gang = 2;
    EXPECT_EQ(news, TurnNews{ended});
}

TEST(TurnNews, ConsoleLines) {
    TurnEvent alliance;
    alliance.kind = TurnEventKind::AllianceEnded;
    alliance.gang = 6;
    const std::pair<TurnEvent, const char*> cases[] = {
        {Taken(24, 4, 1, 0, true), "news taken city=24 by=4 from=1 attacker=0 fought=True"},
        {Taken(20, 2, -1, 1, false), "news taken city=20 by=2 from=-1 attacker=1 fought=False"},
        {AttackOn(12, 4, 4), "news attack city=12 by=4 attacker=4"},
        {Poached(87, 6, -1, 11), "news poached human=87 by=6 from=-1 city=11"},
        {Recruited(3, 45, 9), "news recruited group=3 members=45 people=9"},
        {ChangedSides(58, 24, 1, 4), "news changed-sides human=58 city=24 from=1 to=4"},
        {alliance, "news alliance-ended group=6"},
        {Commerce(7, 2, 535663), "news commerce city=7 by=2 money=535663"},
    };
    for (const auto& [event, line] : cases)
        EXPECT_EQ(NewsLine(event), line);
}

TEST(TurnNews, SentencesFitTheWordsTheyFollow) {
    World w = test::BlankWorld();
    w.HumanName[58] = "박달";  // ends in ㄹ
    w.HumanName[59] = "김소";  // ends in a vowel
    TurnEvent alliance;
    alliance.kind = TurnEventKind::AllianceEnded;
    alliance.gang = 6;
    const std::pair<TurnEvent, const char*> cases[] = {
        {Taken(1, 4, 3, 0, true), "종로파가 종로에서 쳐들어가 영웅파의 동대문을 빼앗았습니다."},
        {Taken(7, 5, 0, 3, false), "마적파가 비어 있던 거지파의 서초를 차지했습니다."},
        {AttackOn(12, 4, 4), "종로파가 용산에서 관악으로 쳐들어왔습니다."},
        {AttackOn(7, 4, 0), "종로파가 종로에서 서초로 쳐들어왔습니다."},
        {Poached(58, 6, 0, 11), "흑사파가 거지파의 박달을 꾀어 성북으로 데려갔습니다."},
        {Poached(59, 6, -1, 0), "흑사파가 조직이 없던 김소를 꾀어 종로로 데려갔습니다."},
        {Poached(59, 6, 6, 8), "흑사파가 김소를 도봉으로 불러들였습니다."},
        {Recruited(3, 45, 9), "영웅파가 조직원 45명을 새로 모았습니다."},
        {ChangedSides(58, 24, 1, 4), "강동의 박달이 지존파를 떠나 종로파에 들어갔습니다."},
        {alliance, "흑사파와의 동맹이 끝났습니다."},
        {Commerce(7, 2, 535663), "불사파가 우리 서초에서 상업을 키웠습니다 (쓴 돈 535,663)."},
        {Commerce(7, 2, 535663, 53),
         "불사파가 우리 서초에서 상업을 키웠습니다 (쓴 돈 535,663, 상업 52→53)."},
    };
    for (const auto& [event, sentence] : cases)
        EXPECT_EQ(NewsSentence(w, event), sentence);
}

TEST(TurnNews, RivalCommerceInThePlayersDistrictsIsRecordedWithItsCost) {
    World w = test::BlankWorld();
    // 마적파's two clever men settle a district each, the first below their intelligence whose
    // money suffices: their own 영등포 (3) and the player's 서초 (7). Only 서초 is news.
    for (int h : {150, 151}) {
        test::Place(w, h, 3, kMajeok, 0, 0, 0);
        w.HumanIntelligence[h] = 90;
    }
    for (int c : {3, 7}) {
        w.CityPopulation[c] = 10000;
        w.CityCommerce[c] = 20;
        w.CityMoney[c] = 5000000;
    }
    w.GroupAlly[kMajeok] = 1;  // no attack
    TurnNews news;
    RunComputerGangs(w, &news);
    EXPECT_EQ(news, TurnNews{Commerce(7, kMajeok, 20000, 21)});
    EXPECT_EQ(w.CityCommerce[3], 21);
    EXPECT_EQ(w.CityMoney[7], 5000000 - 20000);
}

// The news window's lines, each case a week's events and, where it matters, last week's.
TEST(TurnNews, WindowLinesFoldWhatRepeatsAndKeepTheOrder) {
    World w = test::BlankWorld();
    w.HumanName[58] = "박달";
    w.HumanName[59] = "김소";
    w.HumanName[60] = "이철";
    struct Case {
        const char* what;
        TurnNews events;
        TurnNews lastWeek;
        std::vector<std::string> lines;  // after the standings
    };
    const Case cases[] = {
        {"a man lured three times is one line, with the count",
         {Poached(59, kMajeok, kHero, 3, 1), Poached(59, 2, kMajeok, 6, 3),
          Poached(59, 6, 2, 11, 6)},
         {},
         {"영웅파의 김소가 세 번 꾐에 넘어가 결국 흑사파의 성북으로 갔습니다."}},
        {"a man lured back where he stood, into the gang he had, is no news",
         {Poached(59, kMajeok, kHero, 3, 1), Poached(59, kHero, kMajeok, 1, 3)},
         {},
         {kQuietWeek}},
        {"one luring keeps its sentence",
         {Poached(58, 6, kPlayer, 11, 7)},
         {},
         {"흑사파가 거지파의 박달을 꾀어 성북으로 데려갔습니다."}},
        {"a taking names the new owner and who changed sides; an empty one says so",
         {Taken(1, 4, 3, 0, true), ChangedSides(58, 1, 3, 4), ChangedSides(60, 1, kPlayer, 4),
          Taken(7, kMajeok, kPlayer, 3, false)},
         {},
         {"종로파가 종로에서 쳐들어가 영웅파의 동대문을 빼앗았습니다 (넘어온 사람: 박달, 이철).",
          "마적파가 비어 있던 거지파의 서초를 차지했습니다 (빈 곳)."}},
        {"all the recruiting is one line, and all the commerce, where they happened",
         {Commerce(7, 2, 1234567), Commerce(12, 1, 500), Commerce(20, 2, 34759),
          Recruited(6, 10, 2), Recruited(2, 5, 1), AttackOn(12, 2, 6)},
         {},
         {"다른 조직들이 우리 구역의 상업을 키웠습니다: 불사파 서초 1,234,567, 금천 34,759; "
          "지존파 관악 500",
          "조직원 모집: 흑사파 10명, 불사파 5명", "불사파가 마포에서 관악으로 쳐들어왔습니다."}},
        {"one gang's commerce names the gang first, and what the money bought",
         {Commerce(7, 2, 1234567, 53), Commerce(20, 2, 34759, 12)},
         {},
         {"불사파가 우리 구역의 상업을 키웠습니다: 서초 1,234,567 (상업 52→53), 금천 34,759 "
          "(상업 11→12)"}},
        {"lines told last week are counted in one closing line",
         {Recruited(6, 10, 2), Taken(1, 4, 3, 0, true), ChangedSides(58, 1, 3, 4),
          Poached(59, 6, 2, 11, 6)},
         {Poached(59, 6, 2, 11, 6), Recruited(6, 10, 2), Taken(1, 4, 3, 0, true),
          ChangedSides(60, 1, 3, 4)},
         {"종로파가 종로에서 쳐들어가 영웅파의 동대문을 빼앗았습니다 (넘어온 사람: 박달).",
          "지난주와 같은 일 2건"}},
        {"a quiet week says so", {}, {}, {kQuietWeek}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        WeekNews news;
        news.events = k.events;
        news.lastWeek = k.lastWeek;
        const std::vector<std::string> lines = NewsWindowLines(w, news);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.end()), k.lines);
    }
}

// What the rival gangs do among themselves is gathered; what touches the player's gang (거지파)
// keeps a line of its own; nothing is told before what made it possible.
TEST(TurnNews, WindowLinesGatherWhatTheRivalsDidAmongThemselves) {
    World w = test::BlankWorld();
    w.HumanName[58] = "박달";
    w.HumanName[59] = "김소";
    w.HumanName[60] = "이철";
    w.HumanName[61] = "최무";
    w.HumanName[62] = "황구";
    struct Case {
        const char* what;
        TurnNews events;
        std::vector<std::string> lines;  // after the standings
    };
    const Case cases[] = {
        {"a few lurings among rivals are one line with the names; the player's man has his own",
         {Poached(58, 6, 2, 11, 6), Poached(61, kMajeok, kPlayer, 3, 7),
          Poached(59, kMajeok, kJijon, 3, 5), Poached(60, 6, 6, 11, 8)},
         {"다른 조직들이 3명을 꾀거나 불러들였습니다: 흑사파가 불사파의 박달, 제 식구 이철; "
          "마적파가 지존파의 김소",
          "마적파가 거지파의 최무를 꾀어 영등포로 데려갔습니다."}},
        {"many lurings among rivals are counted by gang and by whom they came from",
         {Poached(58, 6, 2, 11, 6), Poached(59, kMajeok, kJijon, 3, 5), Poached(60, 6, 2, 11, 6),
          Poached(61, 6, -1, 11, -1), Poached(62, kMajeok, kMajeok, 3, 8)},
         {"다른 조직들이 5명을 꾀거나 불러들였습니다: 흑사파 3명 (불사파에서 2, 무소속에서 1), "
          "마적파 2명 (지존파에서 1, 제 식구 1)"}},
        {"lurings among rivals that moved nobody of the luring gang say only that they lured",
         {Poached(58, 6, 2, 11, 6), Poached(59, kMajeok, kJijon, 3, 5)},
         {"다른 조직끼리 2명을 꾀어 갔습니다: 흑사파가 불사파의 박달; 마적파가 지존파의 김소"}},
        {"the player's man lured on from rival to rival is still his own line",
         {Poached(61, kMajeok, kPlayer, 3, 7), Poached(61, 6, kMajeok, 11, 3)},
         {"거지파의 최무가 두 번 꾐에 넘어가 결국 흑사파의 성북으로 갔습니다."}},
        {"takings among rivals are one line in the order they happened; the player's keeps its "
         "own",
         {Taken(1, 4, kHero, 0, true), ChangedSides(58, 1, kHero, 4),
          Taken(7, kMajeok, kPlayer, 3, false), Taken(8, 4, 6, 0, false),
          Taken(11, 2, 6, 6, true), ChangedSides(59, 11, 6, 2), ChangedSides(60, 11, 6, 2),
          ChangedSides(61, 11, 6, 2), ChangedSides(62, 11, 6, 2)},
         {"다른 조직끼리 구역 3곳의 주인이 바뀌었습니다: 종로파가 영웅파의 동대문 (넘어온 "
          "사람: 박달), 흑사파의 도봉 (빈 곳); 불사파가 흑사파의 성북 (넘어온 사람 4명)",
          "마적파가 비어 있던 거지파의 서초를 차지했습니다 (빈 곳)."}},
        {"a walk-in into a district whose party attacked the player comes after that attack",
         {Taken(1, 4, kHero, 0, true), AttackOn(7, 2, 6), Taken(6, kMajeok, 2, 3, false)},
         {"종로파가 종로에서 쳐들어가 영웅파의 동대문을 빼앗았습니다.",
          "불사파가 마포에서 서초로 쳐들어왔습니다.",
          "마적파가 비어 있던 불사파의 마포를 차지했습니다 (빈 곳)."}},
        {"a rival retaking the player's lost district comes after the loss",
         {Taken(1, 4, kHero, 0, true), Taken(20, 4, kPlayer, 0, false),
          Taken(20, 2, 4, 6, true)},
         {"종로파가 종로에서 쳐들어가 영웅파의 동대문을 빼앗았습니다.",
          "종로파가 비어 있던 거지파의 금천을 차지했습니다 (빈 곳).",
          "불사파가 마포에서 쳐들어가 종로파의 금천을 빼앗았습니다."}},
        {"a district taken again and again is told from its first owner to its last",
         {Taken(1, 4, kHero, 0, true), ChangedSides(58, 1, kHero, 4),
          Taken(1, kMajeok, 4, 3, true), ChangedSides(58, 1, 4, kMajeok),
          ChangedSides(60, 1, 4, kMajeok), Taken(1, 6, kMajeok, 11, true),
          ChangedSides(58, 1, kMajeok, 6)},
         {"영웅파의 동대문은 주인이 세 번 바뀐 끝에 흑사파가 차지했습니다 (넘어온 사람: 박달, "
          "이철)."}},
        {"a district won back by its owner keeps nobody who went over and came back",
         {Taken(1, 4, kHero, 0, true), ChangedSides(58, 1, kHero, 4),
          Taken(1, kHero, 4, 12, true), ChangedSides(58, 1, 4, kHero)},
         {"영웅파의 동대문은 주인이 두 번 바뀐 끝에 영웅파가 되찾았습니다."}},
        {"a walk-in made possible in the middle of a row of takings is told after the row",
         {Taken(1, 4, kHero, 0, true), Taken(1, kMajeok, 4, 3, true), Taken(3, 6, kMajeok, 11, false),
          Taken(1, 2, kMajeok, 6, true)},
         {"다른 조직끼리 구역 2곳의 주인이 바뀌었습니다: 불사파가 영웅파의 동대문 (주인이 세 번 "
          "바뀐 끝에); 흑사파가 마적파의 영등포 (빈 곳)"}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        WeekNews news;
        news.events = k.events;
        const std::vector<std::string> lines = NewsWindowLines(w, news);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.end()), k.lines);
    }
}

// Over real weeks of the shipped world, gathered or not, the window still names every district
// that changed hands and every man of the player's lured away for good.
TEST(TurnNews, WindowLinesLoseNothingThePlayerNeeds) {
    for (const bool living : {false, true}) {
        SCOPED_TRACE(living ? "살아있는 세계" : "opt-in rules off");
        World w = BuildNewWorld(test::ShippedData());
        ChooseGroup(w, kPlayer);
        w.options.truce = living;
        w.options.strongGangs = living;
        w.options.living = living;
        const World start = w;
        std::size_t told = 0;
        for (int turn = 1; turn <= 40; ++turn) {
            const World before = w;
            TurnNews events;
            EndTurn(w, &events);
            w.MapLocked = false;
            w.DefenceSetupOpen = false;
            WeekNews news;
            news.events = events;
            std::string all;
            for (const std::string& line : NewsWindowLines(w, news))
                all += line + "\n";
            for (const TurnEvent& e : events) {
                if (e.kind == TurnEventKind::Taken) {
                    EXPECT_NE(all.find(w.CityName[e.city]), std::string::npos)
                        << "turn " << turn << ": " << NewsLine(e) << "\n" << all;
                    ++told;
                }
            }
            for (int h = 0; h < kHumanCount; ++h) {
                const bool lured = std::any_of(events.begin(), events.end(), [&](const auto& e) {
                    return e.kind == TurnEventKind::Poached && e.human == h;
                });
                if (lured && GangOf(before, h) == kPlayer && GangOf(w, h) != kPlayer) {
                    EXPECT_NE(all.find(w.HumanName[h]), std::string::npos)
                        << "turn " << turn << ": " << w.HumanName[h] << "\n" << all;
                    ++told;
                }
            }
        }
        // The weeks looked at had something to tell.
        EXPECT_GT(told, 0u);
        EXPECT_NE(w.CityOwnerColor, start.CityOwnerColor);
    }
}

TEST(TurnNews, TheStandingsComeFirstWithThisWeeksChange) {
    World w = test::BlankWorld();
    ChooseGroup(w, kHero);
    // 종로파 takes 영웅파's 동대문 and 지존파's 강남; 지존파 keeps 강동. 흑사파 lost everything
    // before this week: a gang holding nothing without a change this week is left out.
    const TurnNews events = {Taken(1, 4, kHero, 0, true), Taken(5, 4, kJijon, 0, false)};
    for (int c : {1, 5})
        w.CityOwnerColor[c] = w.GroupColor[4];
    for (int c = 0; c < kCityCount; ++c) {
        if (w.OwnerOf(c) == 6) w.SetOwner(c, kMajeok);
    }
    GroupTable<int> held{};
    for (int c = 0; c < kCityCount; ++c)
        held[*w.OwnerOf(c)] += 1;
    WeekNews news;
    news.events = events;
    const std::vector<std::string> lines = NewsWindowLines(w, news);
    ASSERT_EQ(lines.size(), 3u);
    const auto n = [&](int g) { return std::to_string(held[g]); };
    EXPECT_EQ(lines[0], "우리 조직 영웅파 | 지역: 거지파 " + n(0) + ", 지존파 " + n(kJijon) +
                            " (-1), 불사파 " + n(2) + ", 영웅파 " + n(kHero) + " (-1), 종로파 " +
                            n(4) + " (+2), 마적파 " + n(kMajeok));
    EXPECT_EQ(held[6], 0);
}

TEST(TurnNews, AGameWithoutItsNewsSaysSoAndNothingElse) {
    World w = test::BlankWorld();
    WeekNews lost;
    lost.kept = false;
    EXPECT_EQ(NewsWindowLines(w, lost), std::vector<std::string>{kNewsNotSaved});
    // The next turn end tells its own news, with nothing left out as last week's.
    const WeekNews next = NextWeekNews(lost, {Recruited(6, 10, 2)});
    EXPECT_TRUE(next.kept);
    EXPECT_TRUE(next.lastWeek.empty());
    EXPECT_EQ(NewsWindowLines(w, next).back(), "조직원 모집: 흑사파 10명");
    EXPECT_EQ(NextWeekNews(next, {}).lastWeek, next.events);
}

}  // namespace
}  // namespace golmok
