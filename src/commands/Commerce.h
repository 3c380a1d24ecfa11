// 도시 > 상업개발, 돈걷기: the economy of one of the player's districts.
#pragma once

#include <vector>

#include "commands/Dialog.h"

namespace golmok {

inline constexpr const char* kCommerceMessage = "상업이 개발되었습니다.";
inline constexpr const char* kCollectedMessage = "돈이 걷혀졌습니다.";

// --- Commerce development (상업개발) -------------------------------------------------------
// People of the selected district who may still act.
std::vector<int> DevelopList(const World& world, const MenuState& menu);

// The investment the bar reaches (and a typed amount may not pass): the district's money.
double DevelopMost(const World& world, const MenuState& menu);

// The investment at `offset` of a bar `fullScale` wide: cut down, never rounded up.
double DevelopBarAmount(const World& world, const MenuState& menu, double offset, double fullScale);

// Spends the investment and the person's action. Commerce rises by one only when the person's
// intelligence is above the level and the investment above population × commerce / 10; the
// message is the same either way.
Outcome DevelopCommerce(World& world, MenuState& menu, Chosen human, double amount);

// --- Collecting money (돈걷기) -------------------------------------------------------------
// People of the selected district who may still act.
std::vector<int> CollectList(const World& world, const MenuState& menu);

// What the person brings in: the average of attack, defence, agility and stamina, as a hundredth,
// times population × commerce / 10, cut down.
double CollectIncome(const World& world, int human, int city);

// Costs the player's gang one point of fame and the person's action, whatever it brings.
Outcome CollectMoney(World& world, MenuState& menu, Chosen human);

}  // namespace golmok
