#include "commands/PrizeDismissal.h"

#include "world/Numbers.h"

namespace golmok {

std::vector<int> PrizeList(const World& world) {
    return PeopleOfSelectedCity(world, [&](int h) { return world.HumanLoyalty[h] != 100; });
}

double PrizeMost(const World& world) {
    return world.CityMoney[world.SelectedCity];
}

Outcome GivePrize(World& world, Chosen human, double amount) {
    if (!human) return Refused(kChoosePerson);
    const int h = *human;
    if (auto refusal = RefuseBadAmount(amount, PrizeMost(world))) return *refusal;
    world.CityMoney[world.SelectedCity] -= amount;
    world.HumanLoyalty[h] += Int(amount / 100000);
    return Carried(world, kPrizeMessage);
}

std::vector<int> DismissList(const World& world) {
    if (world.SelectedCity < 0 || world.SelectedCity >= kCityCount) return {};
    const auto owner = world.OwnerOf(world.SelectedCity);
    return PeopleOfSelectedCity(
        world, [&](int h) { return !owner || world.HumanName[h] != world.GroupBossName[*owner]; });
}

Outcome DismissPerson(World& world, Chosen human) {
    if (!human) return Refused(kChoosePerson);
    const int h = *human;
    world.HumanGroup[h] = kJoblessGroup;
    world.HumanCity[h] = kJoblessCity;
    world.HumanRank[h] = kJoblessRank;
    return Carried(world, kDismissedMessage);
}

}  // namespace golmok
