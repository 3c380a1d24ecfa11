#include "commands/Commerce.h"

#include "world/Numbers.h"

namespace golmok {

std::vector<int> DevelopList(const World& world) {
    return DevelopListing(world).entries;
}

Listing DevelopListing(const World& world) {
    return ListPeople(world, {MayStillAct(world)});
}

double DevelopMost(const World& world) {
    return world.CityMoney[world.SelectedCity];
}

double DevelopBarAmount(const World& world, double offset, double fullScale) {
    return BarAmount(DevelopMost(world), offset, fullScale, BarRounding::Down);
}

Outcome DevelopCommerce(World& world, Chosen human, double amount) {
    if (!human) return Refused(kChoosePerson);
    const int h = *human;
    const int d = world.SelectedCity;
    if (auto refusal = RefuseBadAmount(amount, DevelopMost(world))) return *refusal;
    world.CityMoney[d] -= amount;
    world.HumanCanAct[h] = false;
    const double commerce = world.CityCommerce[d];
    if (world.HumanIntelligence[h] > commerce && amount > world.CityPopulation[d] * commerce / 10) {
        world.CityCommerce[d] = commerce + 1;
    }
    return Carried(world, kCommerceMessage);
}

std::vector<int> CollectList(const World& world) {
    return CollectListing(world).entries;
}

Listing CollectListing(const World& world) {
    return ListPeople(world, {MayStillAct(world)});
}

double CollectIncome(const World& world, int human, int city) {
    const double average = (world.HumanAttack[human] + world.HumanDefence[human] +
                            world.HumanAgility[human] + world.HumanStamina[human]) /
                           4;
    return Int((average * 0.01) * (world.CityPopulation[city] * world.CityCommerce[city] / 10));
}

Outcome CollectMoney(World& world, Chosen human) {
    if (!human) return Refused(kChoosePerson);
    const int h = *human;
    const int d = world.SelectedCity;
    world.GroupFame[world.PlayerGroupIndex] -= 1;
    world.HumanCanAct[h] = false;
    world.CityMoney[d] += CollectIncome(world, h, d);
    return Carried(world, kCollectedMessage);
}

}  // namespace golmok
