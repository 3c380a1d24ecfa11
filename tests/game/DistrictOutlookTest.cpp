// The district at a glance and 다음 주 예상: what a district holds, and what the next turn end
// would do to the player who does nothing more.
#include <gtest/gtest.h>

#include "game/DistrictOutlook.h"
#include "game/NewWorld.h"
#include "game/TurnCycle.h"
#include "game/TurnNews.h"
#include "support/TestWorld.h"

namespace golmok {
namespace {

constexpr int kSeocho = 7;  // the player's (거지파) in the blank world

TEST(DistrictGlance, CountsPeopleMembersWeaponsAndTheFiveStrongest) {
    World w = test::BlankWorld();
    // Six people of any gang in 서초; strength counts the five strongest by members + stamina.
    const double members[] = {10, 50, 20, 40, 30, 60};
    for (int i = 0; i < 6; ++i) {
        test::Place(w, 100 + i, kSeocho, i % 2 == 0 ? 0 : 5, 0, 0, 100);
        w.HumanMembers[100 + i] = members[i];
        w.HumanStamina[100 + i] = 5;
    }
    // Somebody in another district and one in no district count nowhere here.
    test::Place(w, 120, 3, 5, 0, 0, 100);
    w.HumanMembers[120] = 500;
    w.CitySword[kSeocho] = 1;
    w.CityKnife[kSeocho] = 2;
    w.CityStick[kSeocho] = 3;
    DistrictGlance expected;
    expected.owner = 0;
    expected.people = 6;
    expected.members = 210;
    expected.swords = 1;
    expected.knives = 2;
    expected.sticks = 3;
    expected.strength = (50 + 20 + 40 + 30 + 60) + 5 * 5;
    expected.empty = false;
    EXPECT_EQ(GlanceAt(w, kSeocho), expected);

    // Fewer than five: all of them. Nobody: empty, strength 0.
    w.HumanCity[100] = kJoblessCity;
    w.HumanCity[101] = kJoblessCity;
    w.HumanCity[102] = kJoblessCity;
    EXPECT_EQ(GlanceAt(w, kSeocho).strength, 40 + 30 + 60 + 3 * 5);
    const DistrictGlance nobody = GlanceAt(w, 12);
    EXPECT_TRUE(nobody.empty);
    EXPECT_EQ(nobody.people, 0);
    EXPECT_EQ(nobody.strength, 0);
    // A colour of no gang has no owner.
    w.CityOwnerColor[12] = 0x123456;
    EXPECT_EQ(GlanceAt(w, 12).owner, -1);
    EXPECT_EQ(OutlookLine(w, 12, nullptr),
              "outlook city=12 owner=-1 people=0 members=0 strength=0 empty=True threatened=-");
}

// The preview is the next turn end itself: over weeks of the shipped world's wars, the districts
// it marks are exactly those the turn end attacks or takes, the people it marks exactly the
// player's people lured (the marks of both are tried on a small world below), and the world it
// looked at is left as it was.
TEST(NextWeekPreview, TellsExactlyWhatTheNextTurnEndDoes) {
    for (int player : {0, 1, 6}) {
        SCOPED_TRACE(player);
        World w = BuildNewWorld(test::ShippedData());
        ChooseGroup(w, player);
        int threats = 0;
        for (int week = 1; week <= 40; ++week) {
            const World before = w;
            const NextWeekPreview preview = PreviewNextTurnEnd(w);
            ASSERT_EQ(w, before);
            TurnNews news;
            EndTurn(w, &news);
            CityTable<bool> hit{};
            HumanTable<bool> lured{};
            for (const TurnEvent& e : news) {
                if (e.kind == TurnEventKind::Attack || e.kind == TurnEventKind::Taken)
                    hit[e.city] = true;
                if (e.kind == TurnEventKind::Poached &&
                    before.HumanGroup[e.human] == before.PlayerGroupName)
                    lured[e.human] = true;
            }
            ASSERT_EQ(preview.threatened, hit) << "week " << week;
            ASSERT_EQ(preview.lured, lured) << "week " << week;
            for (int c = 0; c < kCityCount; ++c)
                threats += hit[c] ? 1 : 0;
            w.MapLocked = false;
            w.DefenceSetupOpen = false;
        }
        EXPECT_GT(threats, 0);
    }
}

TEST(NextWeekPreview, MarksTheEmptiedDistrictAndTheManARivalLures) {
    World w = test::BlankWorld();
    // 마적파's three strong fighters in 영등포 (3); the player's 서초 is the only district with
    // fewer people than they are: everywhere else stand four.
    for (int c = 0; c < kCityCount; ++c) {
        if (c == kSeocho || c == 3) continue;
        for (int h = c * 4; h < c * 4 + 4; ++h) {
            test::Place(w, h, c, *w.OwnerOf(c), 0, 0, 0);
            w.HumanLoyalty[h] = 100;
        }
    }
    for (int h = 150; h < 153; ++h)
        test::Place(w, h, 3, 5, 100, 100, 100);
    // 마적파's charmer lures the player's one disloyal man out of 관악 (12).
    w.HumanLoyalty.fill(100);
    test::Place(w, 153, 3, 5, 0, 0, 0);
    w.HumanCharm[153] = 80;
    w.HumanIntelligence[153] = 80;
    w.HumanMorale[153] = 100;  // nothing else to do this week
    w.HumanLoyalty[49] = 30;
    ASSERT_EQ(w.HumanGroup[49], w.PlayerGroupName);
    const NextWeekPreview preview = PreviewNextTurnEnd(w);
    EXPECT_TRUE(preview.threatened[kSeocho]);
    EXPECT_TRUE(preview.lured[49]);
    EXPECT_EQ(OutlookLine(w, kSeocho, &preview),
              "outlook city=7 owner=0 people=0 members=0 strength=0 empty=True threatened=True");
    const std::string status = DistrictStatusText(w, 12, &preview);
    EXPECT_NE(status.find("꾐에 넘어갈 사람: " + w.HumanName[49]), std::string::npos) << status;
}

}  // namespace
}  // namespace golmok
