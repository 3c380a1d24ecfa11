// 거래 > 무기매입 and 무기매출: a person of the district buys swords, knives and sticks with the
// district's money or sells them for it. A clever trader gets a better price.
#pragma once

#include <optional>
#include <vector>

#include "commands/Amounts.h"
#include "commands/Dialog.h"
#include "world/World.h"

namespace golmok {

inline constexpr const char* kLowFameRefusal = "명성 낮은 조직과는 거래 않해!";
inline constexpr const char* kTradeDone = "거래가 체결되었습니다.";

// Prices of one sword, knife and stick, as the dialogs' price labels show them.
inline constexpr Amounts<3> kBuyingPrices = {50000, 10000, 5000};
inline constexpr Amounts<3> kSellingPrices = {30000, 6000, 3000};

// The dealers do business only with gangs of this much fame or more.
inline constexpr double kDealersFame = 50;

// Both dialogs list the people of the district who may still act.
std::vector<int> ArmsTraders(const World& world, const MenuState& menu);

// What each amount bar reaches: 1000 pieces when buying; the district's stock when selling.
Amounts<3> BuyingBarBases();
Amounts<3> SellingBarBases(const World& world, const MenuState& menu);

// The order's total at the fixed prices, as the dialog's 돈 label shows it.
double OrderTotal(const Amounts<3>& prices, const Amounts<3>& pieces);

// OK in 무기매입: the district pays the total (90 % for a trader of intelligence 80 to 89, 80 %
// from 90 up) and gets the pieces; the trader has acted. The money must cover the full total.
Outcome BuyArms(World& world, MenuState& menu, std::optional<int> trader, const ArmsBoxes& boxes);

// OK in 무기매출: the district gives the pieces and gets the total (110 % or 120 % by the same
// intelligence bands); the trader has acted.
Outcome SellArms(World& world, MenuState& menu, std::optional<int> trader, const ArmsBoxes& boxes);

}  // namespace golmok
