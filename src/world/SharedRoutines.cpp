#include "world/SharedRoutines.h"

namespace golmok {

void RecountCities(World& world) {
    world.CityHumanCount.fill(0);
    world.CityMemberTotal.fill(0);
    for (int h = 0; h < kHumanCount; ++h) {
        if (auto city = world.CityIndexOf(world.HumanCity[h])) {
            world.CityHumanCount[*city] += 1;
            world.CityMemberTotal[*city] += world.HumanMembers[h];
        }
    }
}

void RestoreBossLoyalty(World& world) {
    for (int h = 0; h < kHumanCount; ++h) {
        for (int g = 0; g < kGroupCount; ++g) {
            if (world.HumanName[h] != world.GroupBossName[g]) continue;
            auto city = world.CityIndexOf(world.HumanCity[h]);
            if (city && world.CityOwnerColor[*city] == world.GroupColor[g]) {
                world.HumanLoyalty[h] = 100;
            }
        }
    }
}

void LockMap(World& world) {
    world.MapLocked = true;
}

void UnlockMap(World& world) {
    world.MapLocked = false;
}

}  // namespace golmok
