#include "game/TurnCycle.h"

#include "game/ComputerGangs.h"
#include "world/SavedGames.h"
#include "world/SharedRoutines.h"
#include "world/ValueRanges.h"

namespace golmok {

namespace {

void NextWeek(World& world) {
    if (world.Week == 4) {
        world.Week = 1;
        if (world.Month == 12) {
            world.Month = 1;
            world.Year += 1;
        } else {
            world.Month += 1;
        }
    } else {
        world.Week += 1;
    }
}

// The defence set-up as the turn end leaves it: nobody in a party yet, everybody bare-handed
// until the player arms the defenders.
void PrepareDefence(World& world) {
    for (int h = 0; h < kHumanCount; ++h) {
        world.HumanInAttackParty[h] = false;
        world.HumanInDefenceParty[h] = false;
        world.HumanWeapon[h] = "주먹";
    }
    world.DefenceSetupOpen = true;
}

}  // namespace

bool CalendarEnds(const World& world) {
    return world.Year > kLastYear || (world.Year == kLastYear && world.Month == 12 && world.Week == 4);
}

std::string AttackAnnouncement(const World& world) {
    return world.CityName[world.AttackToCity] + "에 " + world.CityName[world.AttackFromCity] +
           "이 맞짱까러 왔습니다.";
}

std::vector<std::string> EndTurn(World& world, TurnNews* news) {
    std::vector<std::string> messages;
    const GroupTable<double> allies = world.GroupAlly;
    NextWeek(world);
    world.AttackFromCity = -1;
    world.AttackToCity = -1;
    for (int h = 0; h < kHumanCount; ++h) {
        world.HumanCanAct[h] = true;
        world.HumanMorale[h] -= 1;
    }
    RunComputerGangs(world, news);
    ErrorCheck(world);
    if (news != nullptr) RecordEndedAlliances(allies, world, *news);
    if (world.AttackFromCity != -1) {
        messages.push_back(AttackAnnouncement(world));
        LockMap(world);
        PrepareDefence(world);
    }
    // The turn end does not wait for the fight: everybody may act in the new week.
    for (int h = 0; h < kHumanCount; ++h)
        world.HumanCanAct[h] = true;
    return messages;
}

std::vector<std::string> MoneyUp(World& world) {
    for (int c = 0; c < kCityCount; ++c) {
        if (world.IsPlayerCity(c)) world.CityMoney[c] += 10000000;
    }
    return {kMoneyUpMessage};
}

}  // namespace golmok
