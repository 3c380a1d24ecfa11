#include "commands/Scouting.h"

#include "world/SharedRoutines.h"
#include "world/Numbers.h"

namespace golmok {

std::vector<int> ScoutList(const World& world, const MenuState& menu) {
    return PeopleOfSelectedCity(world, menu, [&](int h) { return world.HumanCanAct[h]; });
}

std::vector<int> ScoutDistricts(const World& world) {
    std::vector<int> districts;
    for (int e = 0; e < kCityCount; ++e) {
        if (world.CityOwnerColor[e] != world.PlayerColor) districts.push_back(e);
    }
    return districts;
}

std::vector<int> ScoutTargets(const World& world, int district) {
    std::vector<int> people;
    for (int h = 0; h < kHumanCount; ++h) {
        if (world.IsIn(h, district) && world.HumanRank[h] != kBossRank) people.push_back(h);
    }
    return people;
}

double ScoutMost(const World& world, const MenuState& menu) {
    return menu.HasCity() ? world.CityMoney[menu.SelectedCity] : 0;
}

Outcome Scout(World& world, MenuState& menu, Chosen scout, Chosen target, std::optional<int> district,
              double bribe) {
    if (!scout || !target) return Refused(kChoosePerson);
    if (!district) return Refused(kChooseDistrict);
    if (auto refusal = RefuseUnlisted(menu, *scout, ScoutList(world, menu))) return *refusal;
    if (auto refusal = RefuseUnlisted(menu, *district, ScoutDistricts(world), kChooseDistrict)) return *refusal;
    if (auto refusal = RefuseUnlisted(menu, *target, ScoutTargets(world, *district))) return *refusal;
    if (auto refusal = RefuseBadAmount(bribe, ScoutMost(world, menu))) return *refusal;
    const int s = *scout;
    const int t = *target;
    const int d = menu.SelectedCity;
    world.CityMoney[d] -= bribe;
    world.HumanCanAct[s] = false;
    if (world.HumanLoyalty[t] == 100) return Carried(world, menu, kContentMessage);

    world.HumanLoyalty[t] -= Int(bribe / 1000000);
    RestoreBossLoyalty(world);
    if (Int((world.HumanCharm[s] + world.HumanIntelligence[s]) / 2) < world.HumanLoyalty[t]) {
        return Carried(world, menu, kScoutRefusedMessage);
    }
    // He joins the gang the command menu shows for the scout's district: the player's.
    const auto owner = world.OwnerOf(d);
    world.HumanLoyalty[t] = 100;
    world.HumanCity[t] = world.CityName[d];
    world.HumanGroup[t] = owner ? world.GroupName[*owner] : world.PlayerGroupName;
    return Carried(world, menu, kScoutedMessage);
}

}  // namespace golmok
