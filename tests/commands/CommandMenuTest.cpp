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
        MenuState m;
        OpenCommandMenu(w, m, city);
        EXPECT_EQ(m.SelectedCityIsOwn, city == 7);
        for (Menu menu : menus) {
            EXPECT_EQ(MenuEnabled(m, menu), city == 7 || menu == Menu::Info)
                << city << ' ' << static_cast<int>(menu);
        }
    }
}

TEST(CommandMenu, EmptyDistrictListsNobodyAndOkAsksForAPerson) {
    World w = test::BlankWorld();
    w.CityMoney[7] = 1000000;
    MenuState m;
    OpenCommandMenu(w, m, 7);
    EXPECT_EQ(m.panel.rows[3], "");
    EXPECT_EQ(m.panel.rows[6], "");
    for (const auto& list : {TrainList, HealList, ReorgList, RecruitList, DevelopList, CollectList,
                             PrizeList, DismissList, ScoutList, PersonInfoList}) {
        EXPECT_TRUE(list(w, m).empty());
    }
    const World before = w;
    const Outcome asks = Refused(kChoosePerson);
    EXPECT_EQ(Train(w, m, std::nullopt), asks);
    EXPECT_EQ(Heal(w, m, std::nullopt), asks);
    EXPECT_EQ(Recruit(w, m, std::nullopt, 0), asks);
    EXPECT_EQ(DevelopCommerce(w, m, std::nullopt, 0), asks);
    EXPECT_EQ(CollectMoney(w, m, std::nullopt), asks);
    EXPECT_EQ(GivePrize(w, m, std::nullopt, 0), asks);
    EXPECT_EQ(DismissPerson(w, m, std::nullopt), asks);
    EXPECT_EQ(w, before);
}

}  // namespace
}  // namespace golmok
