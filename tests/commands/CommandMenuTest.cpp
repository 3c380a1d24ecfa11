#include <gtest/gtest.h>

#include "commands/CommandMenu.h"
#include "commands/Commerce.h"
#include "commands/Information.h"
#include "commands/PrizeDismissal.h"
#include "commands/Recruiting.h"
#include "commands/Scouting.h"
#include "commands/Training.h"
#include "support/PrintOutcome.h"
#include "support/TestWorld.h"

namespace golmok {
namespace {

TEST(CommandMenu, OnlyInformationInAnotherGangsDistrict) {
    World w = test::BlankWorld();
    const Menu menus[] = {Menu::Action, Menu::Personnel, Menu::Diplomacy,
                          Menu::Info,   Menu::Trade,     Menu::City};
    for (int city : {7, 0}) {
        OpenCommandMenu(w, city);
        EXPECT_EQ(w.SelectedCityIsOwn, city == 7);
        for (Menu menu : menus) {
            EXPECT_EQ(MenuEnabled(w, menu), city == 7 || menu == Menu::Info)
                << city << ' ' << static_cast<int>(menu);
        }
    }
}

TEST(CommandMenu, EmptyDistrictListsNobodyAndOkAsksForAPerson) {
    World w = test::BlankWorld();
    w.CityMoney[7] = 1000000;
    OpenCommandMenu(w, 7);
    EXPECT_EQ(w.panel.rows[3], "");
    EXPECT_EQ(w.panel.rows[6], "");
    for (const auto& list : {TrainList, HealList, ReorgList, RecruitList, DevelopList, CollectList,
                             PrizeList, DismissList, ScoutList, PersonInfoList}) {
        EXPECT_TRUE(list(w).empty());
    }
    const World before = w;
    const Outcome asks = Refused(kChoosePerson);
    EXPECT_EQ(Train(w, std::nullopt), asks);
    EXPECT_EQ(Heal(w, std::nullopt), asks);
    EXPECT_EQ(Recruit(w, std::nullopt, 0), asks);
    EXPECT_EQ(DevelopCommerce(w, std::nullopt, 0), asks);
    EXPECT_EQ(CollectMoney(w, std::nullopt), asks);
    EXPECT_EQ(GivePrize(w, std::nullopt, 0), asks);
    EXPECT_EQ(DismissPerson(w, std::nullopt), asks);
    EXPECT_EQ(w, before);
}

}  // namespace
}  // namespace golmok
