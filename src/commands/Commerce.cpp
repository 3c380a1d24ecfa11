#include "commands/Commerce.h"

#include "world/Numbers.h"

namespace golmok {

std::vector<int> DevelopList(const World& world, const MenuState& menu) {
    return DevelopListing(world, menu).entries;
}

Listing DevelopListing(const World& world, const MenuState& menu) {
    return ListPeople(world, menu, {MayStillAct(world)});
}

double DevelopMost(const World& world, const MenuState& menu) {
    return menu.HasCity() ? world.CityMoney[menu.SelectedCity] : 0;
}

double DevelopBarAmount(const World& world, const MenuState& menu, double offset,
                        double fullScale) {
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
    const double needed = world.CityPopulation[d] * commerce / 10;
    const bool wise = world.HumanIntelligence[h] > commerce;
    const bool enough = amount > needed;
    if (wise && enough) world.CityCommerce[d] = commerce + 1;
    Outcome outcome = Carried(world, menu, kCommerceMessage);
    if (wise && enough) {
        // Built piece by piece: GCC 12 at -O3 sees a false overlap in a chain of `+`.
        outcome.detail = "상업도가 ";
        outcome.detail += FormatNumber(commerce);
        outcome.detail += "에서 ";
        outcome.detail += FormatNumber(commerce + 1);
        outcome.detail += "(으)로 올랐습니다.";
    } else {
        // The money is spent either way; the player is told what a rise would have taken.
        outcome.detail = "상업도는 ";
        outcome.detail += FormatNumber(commerce);
        outcome.detail += " 그대로입니다. 올리려면";
        if (!enough) {
            outcome.detail += " ";
            outcome.detail += FormatNumber(needed);
            outcome.detail += "보다 많은 돈";
        }
        if (!enough && !wise) outcome.detail += "과";
        if (!wise) {
            outcome.detail += " 지능이 ";
            outcome.detail += FormatNumber(commerce);
            outcome.detail += "보다 높은 사람";
        }
        outcome.detail += "이 필요합니다.";
    }
    return outcome;
}

std::vector<int> CollectList(const World& world, const MenuState& menu) {
    return CollectListing(world, menu).entries;
}

Listing CollectListing(const World& world, const MenuState& menu) {
    return ListPeople(world, menu, {MayStillAct(world)});
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
    const double income = CollectIncome(world, h, d);
    world.CityMoney[d] += income;
    Outcome outcome = Carried(world, menu, kCollectedMessage);
    outcome.detail = "걷힌 돈: " + FormatNumber(income);
    return outcome;
}

}  // namespace golmok
