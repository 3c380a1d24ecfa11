// 인사 > 포상, 해고: paying a person for his loyalty, or throwing him out of the gang.
#pragma once

#include <vector>

#include "commands/Dialog.h"

namespace golmok {

inline constexpr const char* kPrizeMessage = "더 열심히 하겠습니다.";
inline constexpr const char* kDismissedMessage = "해고되었습니다.";

// --- Prize (포상) --------------------------------------------------------------------------
// People of the selected district whose loyalty is not 100, whether or not they acted.
std::vector<int> PrizeList(const World& world, const MenuState& menu);

// The prize the bar reaches (and a typed amount may not pass): the district's money.
double PrizeMost(const World& world, const MenuState& menu);

// Takes the prize from the district; every full 100000 is one point of loyalty (the value-change
// routine caps it at 100). The person keeps his action.
Outcome GivePrize(World& world, MenuState& menu, Chosen human, double amount);

// --- Dismissal (해고) ----------------------------------------------------------------------
// Everybody standing in the selected district except the boss of the gang that owns it.
std::vector<int> DismissList(const World& world, const MenuState& menu);

// The person leaves the district and the gang, with his members, for no district and no gang.
// The dialog then opens again without him.
Outcome DismissPerson(World& world, MenuState& menu, Chosen human);

}  // namespace golmok
