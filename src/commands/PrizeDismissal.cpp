#include "commands/PrizeDismissal.h"

#include "world/Numbers.h"

namespace golmok {

Listing PrizeListing(const World& world) {
    return ListPeople(world,
                      {{[&](int h) { return world.HumanLoyalty[h] != 100; }, kEveryoneLoyal}});
}

std::vector<int> PrizeList(const World& world) {
    return PrizeListing(world).entries;
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

Listing DismissListing(const World& world) {
    if (world.SelectedCity < 0 || world.SelectedCity >= kCityCount) return ListPeople(world, {});
    const auto owner = world.OwnerOf(world.SelectedCity);
    return ListPeople(
        world, {{[&](int h) { return !owner || world.HumanName[h] != world.GroupBossName[*owner]; },
                 kOnlyTheBoss}});
}

std::vector<int> DismissList(const World& world) {
    return DismissListing(world).entries;
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
