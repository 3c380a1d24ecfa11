#include "commands/Commerce.h"

#include "world/Numbers.h"

namespace golmok {

std::vector<int> DevelopList(const World& world, const MenuState& menu) {
    return PeopleOfSelectedCity(world, menu, [&](int h) { return world.HumanCanAct[h]; });
}

double DevelopMost(const World& world, const MenuState& menu) {
    return menu.HasCity() ? world.CityMoney[menu.SelectedCity] : 0;
}

double DevelopBarAmount(const World& world, const MenuState& menu, double offset, double fullScale) {
    return BarAmount(DevelopMost(world, menu), offset, fullScale, BarRounding::Down);
}

Outcome DevelopCommerce(World& world, MenuState& menu, Chosen human, double amount) {
    if (!human) return Refused(kChoosePerson);
    if (auto refusal = RefuseUnlisted(menu, *human, DevelopList(world, menu))) return *refusal;
    const int h = *human;
    const int d = menu.SelectedCity;
    if (auto refusal = RefuseBadAmount(amount, DevelopMost(world, menu))) return *refusal;
    world.CityMoney[d] -= amount;
    world.HumanCanAct[h] = false;
    const double commerce = world.CityCommerce[d];
    if (world.HumanIntelligence[h] > commerce && amount > world.CityPopulation[d] * commerce / 10) {
        world.CityCommerce[d] = commerce + 1;
    }
    return Carried(world, menu, kCommerceMessage);
}

std::vector<int> CollectList(const World& world, const MenuState& menu) {
    return PeopleOfSelectedCity(world, menu, [&](int h) { return world.HumanCanAct[h]; });
}

double CollectIncome(const World& world, int human, int city) {
    const double average = (world.HumanAttack[human] + world.HumanDefence[human] +
                            world.HumanAgility[human] + world.HumanStamina[human]) /
                           4;
    return Int((average * 0.01) * (world.CityPopulation[city] * world.CityCommerce[city] / 10));
}

Outcome CollectMoney(World& world, MenuState& menu, Chosen human) {
    if (!human) return Refused(kChoosePerson);
    if (auto refusal = RefuseUnlisted(menu, *human, CollectList(world, menu))) return *refusal;
    const int h = *human;
    const int d = menu.SelectedCity;
    world.GroupFame[world.PlayerGroupIndex] -= 1;
    world.HumanCanAct[h] = false;
    world.CityMoney[d] += CollectIncome(world, h, d);
    return Carried(world, menu, kCollectedMessage);
}

}  // namespace golmok
