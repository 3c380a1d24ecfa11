#include "commands/Scouting.h"

#include <utility>

#include "world/Numbers.h"
#include "world/SharedRoutines.h"

namespace golmok {

std::vector<int> ScoutList(const World& world) {
    return ScoutListing(world).entries;
}

Listing ScoutListing(const World& world) {
    return ListPeople(world, {MayStillAct(world)});
}

std::vector<int> ScoutDistricts(const World& world) {
    return ScoutDistrictsListing(world).entries;
}

Listing ScoutDistrictsListing(const World& world) {
    std::vector<int> districts;
    for (int e = 0; e < kCityCount; ++e) {
        if (world.CityOwnerColor[e] != world.PlayerColor) districts.push_back(e);
    }
    return Explained(std::move(districts), kNoRivalDistrict);
}

std::vector<int> ScoutTargets(const World& world, int district) {
    return ScoutTargetsListing(world, district).entries;
}

Listing ScoutTargetsListing(const World& world, int district) {
    Listing listing = ListPeopleIn(
        world, district, {{[&](int h) { return world.HumanRank[h] != kBossRank; }, kOnlyBosses}});
    if (listing.whyEmpty == kNobodyHere) listing.whyEmpty = kNobodyThere;
    return listing;
}

double ScoutMost(const World& world) {
    return world.CityMoney[world.SelectedCity];
}

Outcome Scout(World& world, Chosen scout, Chosen target, std::optional<int> district,
              double bribe) {
    if (!scout || !target) return Refused(kChoosePerson);
    if (!district) return Refused(kChooseDistrict);
    if (auto refusal = RefuseBadAmount(bribe, ScoutMost(world))) return *refusal;
    const int s = *scout;
    const int t = *target;
    const int d = world.SelectedCity;
    world.CityMoney[d] -= bribe;
    world.HumanCanAct[s] = false;
    if (world.HumanLoyalty[t] == 100) return Carried(world, kContentMessage);

    world.HumanLoyalty[t] -= Int(bribe / 1000000);
    RestoreBossLoyalty(world);
    if (Int((world.HumanCharm[s] + world.HumanIntelligence[s]) / 2) < world.HumanLoyalty[t]) {
        return Carried(world, kScoutRefusedMessage);
    }
    // He joins the gang the command menu shows for the scout's district: the player's.
    const auto owner = world.OwnerOf(d);
    world.HumanLoyalty[t] = 100;
    world.HumanCity[t] = world.CityName[d];
    world.HumanGroup[t] = owner ? world.GroupName[*owner] : world.PlayerGroupName;
    return Carried(world, kScoutedMessage);
}

}  // namespace golmok
