#include "commands/PrizeDismissal.h"

#include "world/Numbers.h"

namespace golmok {

std::vector<int> PrizeList(const World& world, const MenuState& menu) {
    return PeopleOfSelectedCity(world, menu, [&](int h) { return world.HumanLoyalty[h] != 100; });
}

double PrizeMost(const World& world, const MenuState& menu) {
    return menu.HasCity() ? world.CityMoney[menu.SelectedCity] : 0;
}

Outcome GivePrize(World& world, MenuState& menu, Chosen human, double amount) {
    if (!human) return Refused(kChoosePerson);
    if (auto refusal = RefuseUnlisted(menu, *human, PrizeList(world, menu))) return *refusal;
    const int h = *human;
    if (auto refusal = RefuseBadAmount(amount, PrizeMost(world, menu))) return *refusal;
    world.CityMoney[menu.SelectedCity] -= amount;
    world.HumanLoyalty[h] += Int(amount / 100000);
    return Carried(world, menu, kPrizeMessage);
}

std::vector<int> DismissList(const World& world, const MenuState& menu) {
    if (!menu.HasCity()) return {};
    const auto owner = world.OwnerOf(menu.SelectedCity);
    return PeopleOfSelectedCity(
        world, menu, [&](int h) { return !owner || world.HumanName[h] != world.GroupBossName[*owner]; });
}

Outcome DismissPerson(World& world, MenuState& menu, Chosen human) {
    if (!human) return Refused(kChoosePerson);
    if (auto refusal = RefuseUnlisted(menu, *human, DismissList(world, menu))) return *refusal;
    const int h = *human;
    world.HumanGroup[h] = kJoblessGroup;
    world.HumanCity[h] = kJoblessCity;
    world.HumanRank[h] = kJoblessRank;
    return Carried(world, menu, kDismissedMessage);
}

}  // namespace golmok
