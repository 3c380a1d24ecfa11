#include "commands/Scouting.h"

#include <utility>

#include "world/Numbers.h"
#include "world/SharedRoutines.h"

namespace golmok {

std::vector<int> ScoutList(const World& world, const MenuState& menu) {
    return ScoutListing(world, menu).entries;
}

Listing ScoutListing(const World& world, const MenuState& menu) {
    return ListPeople(world, menu, {MayStillAct(world)});
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

double ScoutMost(const World& world, const MenuState& menu) {
    return menu.HasCity() ? world.CityMoney[menu.SelectedCity] : 0;
}

Outcome Scout(World& world, MenuState& menu, Chosen scout, Chosen target,
              std::optional<int> district, double bribe) {
    if (!scout || !target) return Refused(kChoosePerson);
    if (!district) return Refused(kChooseDistrict);
    if (auto refusal = RefuseUnlisted(menu, *scout, ScoutList(world, menu))) return *refusal;
    if (auto refusal = RefuseUnlisted(menu, *district, ScoutDistricts(world), kChooseDistrict))
        return *refusal;
    if (auto refusal = RefuseUnlisted(menu, *target, ScoutTargets(world, *district)))
        return *refusal;
    if (auto refusal = RefuseBadAmount(bribe, ScoutMost(world, menu))) return *refusal;
    const int s = *scout;
    const int t = *target;
    const int d = menu.SelectedCity;
    world.CityMoney[d] -= bribe;
    world.HumanCanAct[s] = false;
    if (world.HumanLoyalty[t] == 100) {
        Outcome outcome = Carried(world, menu, kContentMessage);
        outcome.detail = "충성도가 100인 사람은 뇌물로도 움직이지 않습니다.";
        return outcome;
    }

    world.HumanLoyalty[t] -= Int(bribe / 1000000);
    RestoreBossLoyalty(world);
    const double persuasion = Int((world.HumanCharm[s] + world.HumanIntelligence[s]) / 2);
    if (persuasion < world.HumanLoyalty[t]) {
        Outcome outcome = Carried(world, menu, kScoutRefusedMessage);
        // Every million of the bribe takes a point of loyalty.
        outcome.detail = "보낸 사람의 매력과 지능의 평균 " + FormatNumber(persuasion) +
                         "이(가) 상대의 충성도 " + FormatNumber(world.HumanLoyalty[t]) +
                         "보다 낮습니다. 뇌물 백만마다 충성도가 1 내려갑니다.";
        return outcome;
    }
    // He joins the gang the command menu shows for the scout's district: the player's.
    const auto owner = world.OwnerOf(d);
    world.HumanLoyalty[t] = 100;
    world.HumanCity[t] = world.CityName[d];
    world.HumanGroup[t] = owner ? world.GroupName[*owner] : world.PlayerGroupName;
    return Carried(world, menu, kScoutedMessage);
}

}  // namespace golmok
