// Small routines the turn end, the computer gangs, fights and scouting share.
#pragma once

#include "world/World.h"

namespace golmok {

// District tallies: CityHumanCount and CityMemberTotal from who stands where now. They are exact
// only right after this; nothing else keeps them up to date.
void RecountCities(World& world);

// Every boss standing in a district of his own gang's colour gets his full loyalty back. A boss is
// known by the name in the gang table, so a boss taken into another gang still counts as the boss
// of the gang whose row bears his name.
void RestoreBossLoyalty(World& world);

// The map is frozen while a fight is set up or fought: district buttons and the menus 턴, 옵션,
// 기능 and 도움말 are disabled. 돈올리기 stays usable. The session closes the command menu and its
// dialogs when the map locks.
void LockMap(World& world);
void UnlockMap(World& world);

}  // namespace golmok
