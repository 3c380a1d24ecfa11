#include <gtest/gtest.h>

#include <functional>

#include "commands/Alliances.h"
#include "commands/ArmsTrade.h"
#include "commands/CommandMenu.h"
#include "commands/Commerce.h"
#include "commands/Information.h"
#include "commands/MenuState.h"
#include "commands/Moving.h"
#include "commands/PrizeDismissal.h"
#include "commands/Recruiting.h"
#include "commands/Scouting.h"
#include "commands/Training.h"
#include "support/TestWorld.h"

namespace golmok {
namespace {

constexpr int kSeocho = 7;   // the player's
constexpr int kGwanak = 12;  // the player's too
constexpr int kDobong = 8;   // 흑사파's

// Two people of the player's gang in 서초: 3 and 5, both able to act, below full stamina, morale
// and loyalty, leading fewer members than their leadership.
struct TwoInSeocho {
    World w = test::BlankWorld();
    MenuState m;
    TwoInSeocho();
};

TwoInSeocho::TwoInSeocho() {
    for (int h : {3, 5}) {
        test::Place(w, h, kSeocho, 0);
        w.HumanMorale[h] = 50;
        w.HumanLoyalty[h] = 50;
        w.HumanMembers[h] = 10;
        w.HumanStamina[h] = w.FullStamina(h) - 1;
    }
    OpenCommandMenu(w, m, kSeocho);
}

using Lister = std::function<Listing(const World&, const MenuState&)>;
using Change = std::function<void(World&)>;

const Change kEveryoneActs = [](World& w) {
    w.HumanCanAct[3] = false;
    w.HumanCanAct[5] = false;
};
const Change kEveryoneLeaves = [](World& w) {
    w.HumanCity[3] = w.CityName[kDobong];
    w.HumanCity[5] = w.CityName[kDobong];
};

TEST(WhyEmpty, APersonListSaysWhichConditionLeftNobody) {
    struct Case {
        const char* list;
        Lister listing;
        Change change;
        const char* why;
    };
    const Case cases[] = {
        {"train", TrainListing, kEveryoneLeaves, kNobodyHere},
        {"train", TrainListing, kEveryoneActs, kEveryoneActed},
        {"train", TrainListing,
         [](World& w) {
             w.HumanMorale[3] = 100;
             w.HumanMorale[5] = 100;
         },
         kEveryoneAtFullMorale},
        // One has acted, the other is at full morale: the morale is what is left to say.
        {"train", TrainListing,
         [](World& w) {
             w.HumanCanAct[3] = false;
             w.HumanMorale[5] = 100;
         },
         kEveryoneAtFullMorale},
        // Healing does not care who has acted.
        {"heal", HealListing,
         [](World& w) {
             kEveryoneActs(w);
             w.HumanStamina[3] = w.FullStamina(3);
             w.HumanStamina[5] = w.FullStamina(5);
         },
         kEveryoneHealthy},
        {"heal", HealListing, kEveryoneLeaves, kNobodyHere},
        {"reorg", ReorgListing, kEveryoneLeaves, kNobodyHere},
        {"recruit", RecruitListing, kEveryoneActs, kEveryoneActed},
        {"recruit", RecruitListing,
         [](World& w) {
             w.HumanMembers[3] = w.HumanLeadership[3];
             w.HumanMembers[5] = w.HumanLeadership[5];
         },
         kEveryoneFull},
        {"develop", DevelopListing, kEveryoneActs, kEveryoneActed},
        {"collect", CollectListing, kEveryoneActs, kEveryoneActed},
        {"prize", PrizeListing,
         [](World& w) {
             w.HumanLoyalty[3] = 100;
             w.HumanLoyalty[5] = 100;
         },
         kEveryoneLoyal},
        {"dismiss", DismissListing,
         [](World& w) {
             w.HumanCity[3] = w.CityName[kDobong];
             w.HumanName[5] = w.GroupBossName[0];
         },
         kOnlyTheBoss},
        {"scout", ScoutListing, kEveryoneActs, kEveryoneActed},
        {"arms", ArmsTradersListing, kEveryoneActs, kEveryoneActed},
        {"move", MovingPeopleListing, kEveryoneActs, kEveryoneActed},
        {"ally", EnvoysListing, kEveryoneLeaves, kNobodyHere},
        {"info", PersonInfoListing, kEveryoneLeaves, kNobodyHere},
    };
    for (const Case& c : cases) {
        auto [w, m] = TwoInSeocho();
        EXPECT_EQ(c.listing(w, m).whyEmpty, "") << c.list << ": two people are listed";
        EXPECT_FALSE(c.listing(w, m).entries.empty()) << c.list;
        c.change(w);
        EXPECT_EQ(c.listing(w, m), (Listing{{}, c.why})) << c.list;
    }
}

TEST(WhyEmpty, AListWithAnybodyInItIsTheDialogsListAndSaysNothing) {
    auto [w, m] = TwoInSeocho();
    w.HumanCanAct[3] = false;              // 5 alone is left for the commands that need an action
    w.HumanStamina[3] = w.FullStamina(3);  // and 5 alone needs healing
    const std::vector<int> five = {5};
    EXPECT_EQ(TrainListing(w, m), (Listing{five, ""}));
    EXPECT_EQ(TrainList(w, m), five);
    EXPECT_EQ(HealListing(w, m), (Listing{five, ""}));
    EXPECT_EQ(RecruitListing(w, m), (Listing{five, ""}));
    EXPECT_EQ(ReorgListing(w, m), (Listing{{3, 5}, ""}));
    EXPECT_EQ(DismissListing(w, m), (Listing{{3, 5}, ""}));
}

TEST(WhyEmpty, ListsOfDistrictsAndGangs) {
    auto [w, m] = TwoInSeocho();
    // 서초 is one of the player's districts; 관악, 금천, 동작 are the others.
    EXPECT_EQ(DestinationsListing(w, m).whyEmpty, "");
    for (int d = 0; d < kCityCount; ++d) {
        if (d != kSeocho && w.IsPlayerCity(d)) w.SetOwner(d, 6);
    }
    EXPECT_EQ(DestinationsListing(w, m), (Listing{{}, kNoOtherDistrict}));

    EXPECT_EQ(AlliedGangsListing(w), (Listing{{}, kNoAlly}));
    EXPECT_EQ(UnalliedGangsListing(w).whyEmpty, "");
    for (int g = 1; g < kGroupCount; ++g)
        w.GroupAlly[g] = 1;
    EXPECT_EQ(UnalliedGangsListing(w), (Listing{{}, kAlliedWithAll}));
    EXPECT_EQ(AlliedGangsListing(w).entries, (std::vector<int>{1, 2, 3, 4, 5, 6}));

    EXPECT_EQ(ScoutDistrictsListing(w).whyEmpty, "");
    for (int d = 0; d < kCityCount; ++d)
        w.SetOwner(d, 0);
    EXPECT_EQ(ScoutDistrictsListing(w), (Listing{{}, kNoRivalDistrict}));
}

TEST(WhyEmpty, ScoutTargetsOfADistrict) {
    auto [w, m] = TwoInSeocho();
    EXPECT_EQ(ScoutTargetsListing(w, kGwanak), (Listing{{}, kNobodyThere}));
    test::Place(w, 40, kDobong, 6);
    w.HumanRank[40] = kBossRank;
    EXPECT_EQ(ScoutTargetsListing(w, kDobong), (Listing{{}, kOnlyBosses}));
    test::Place(w, 41, kDobong, 6);
    EXPECT_EQ(ScoutTargetsListing(w, kDobong), (Listing{{41}, ""}));
}

}  // namespace
}  // namespace golmok
