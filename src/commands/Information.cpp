#include "commands/Information.h"

namespace golmok {

std::vector<int> PersonInfoList(const World& world, const MenuState& menu) {
    return PersonInfoListing(world, menu).entries;
}

Listing PersonInfoListing(const World& world, const MenuState& menu) {
    return ListPeople(world, menu, {});
}

std::array<double, 10> PersonFigures(const World& world, int h) {
    return {world.HumanLoyalty[h],      world.HumanAttack[h],     world.HumanDefence[h],
            world.HumanCharm[h],        world.HumanAgility[h],    world.HumanStamina[h],
            world.HumanIntelligence[h], world.HumanLeadership[h], world.HumanMembers[h],
            world.HumanMorale[h]};
}

PersonStanding PersonStandingOf(const World& world, int h) {
    return {world.HumanGroup[h], world.HumanRank[h], !world.HumanCanAct[h]};
}

std::vector<int> GroupInfoList(const World&) {
    std::vector<int> groups;
    groups.reserve(kGroupCount);
    for (int g = 0; g < kGroupCount; ++g)
        groups.push_back(g);
    return groups;
}

namespace {

void Add(std::optional<double>& label, double value) {
    label = label.value_or(0) + value;
}

}  // namespace

GroupFigures GroupInfoFigures(const World& world, int g) {
    GroupFigures figures;
    figures.fame = world.GroupFame[g];
    for (int e = 0; e < kCityCount; ++e) {
        if (world.CityOwnerColor[e] != world.GroupColor[g]) continue;
        Add(figures.money, world.CityMoney[e]);
        Add(figures.sword, world.CitySword[e]);
        Add(figures.knife, world.CityKnife[e]);
        Add(figures.stick, world.CityStick[e]);
    }
    for (int h = 0; h < kHumanCount; ++h) {
        if (world.HumanGroup[h] != world.GroupName[g]) continue;
        Add(figures.members, world.HumanMembers[h]);
        Add(figures.people, 1);
        if (world.HumanRank[h] == kBossRank && world.HumanName[h] == world.GroupBossName[g]) {
            figures.boss = world.HumanName[h];
        }
    }
    return figures;
}

GroupRelations GroupRelationsOf(const World& world, int g) {
    GroupRelations relations;
    for (int c = 0; c < kCityCount; ++c) {
        if (world.CityOwnerColor[c] == world.GroupColor[g]) relations.districts.push_back(c);
    }
    relations.hostility = world.GroupHostility[g];
    relations.ally = world.GroupAlly[g] == 1;
    return relations;
}

}  // namespace golmok
