// 행동 > 훈련, 치료, 재편성: looking after the people of one of the player's districts and the
// members they lead.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "commands/Dialog.h"
#include "commands/Listing.h"

namespace golmok {

inline constexpr const char* kTrainedMessage = "조직원사기가 +1 되었습니다.";
inline constexpr const char* kReorgAmountMessage = "0 이상의 정수를 입력해주세요.";
// Why the training and healing lists are empty when everybody there is listed out.
inline constexpr const char* kEveryoneAtFullMorale =
    "행동할 수 있는 사람은 모두 조직원사기가 100입니다.";
inline constexpr const char* kEveryoneHealthy = "모두 체력이 가득합니다.";
// Said by the reorganizing dialog: what it does not give back.
inline constexpr const char* kReorgPoolLost =
    "창을 닫으면 남은조직원수에 남은 조직원은 사라집니다.";

// --- Training (훈련) -----------------------------------------------------------------------
// People of the selected district who may still act and whose members' morale is not 100.
std::vector<int> TrainList(const World& world, const MenuState& menu);
Listing TrainListing(const World& world, const MenuState& menu);

// One point of morale for the person's members. The person's action is spent first, so a person
// whose morale is already 100 or more loses his action for nothing: no message, the dialog stays.
Outcome Train(World& world, MenuState& menu, Chosen human);

// --- Healing (치료) ------------------------------------------------------------------------
// People of the selected district below (or above) their full stamina, whether or not they acted.
std::vector<int> HealList(const World& world, const MenuState& menu);
Listing HealListing(const World& world, const MenuState& menu);

// 10000 for each point of stamina missing. A person somehow above his full stamina is brought
// down to it for nothing rather than paid for the points he loses.
double HealCost(const World& world, int human);

// The dialog's stamina bar: stamina against full stamina.
Gauge HealGauge(const World& world, int human);

// Stamina back to full for its cost in district money; the money must exceed the cost. No
// message of its own: only the change notices, then the dialog opens again without the person.
Outcome Heal(World& world, MenuState& menu, Chosen human);

// --- Reorganizing (재편성) ----------------------------------------------------------------
// Everybody standing in the selected district.
std::vector<int> ReorgList(const World& world, const MenuState& menu);
Listing ReorgListing(const World& world, const MenuState& menu);

// Opens the dialog: empty pool, its list filled from the selected district, the bar disabled
// until a person is clicked. Opening it again while it is open refills it in place.
void OpenReorganizing(World& world, MenuState& menu);

// Refills an open dialog with the people standing in the selected district now, keeping its pool
// (a turn end, a click on the district already shown). The bar and the box wait for a person
// again. Nothing happens while the dialog is closed.
void RefillReorganizing(const World& world, MenuState& menu);

// Closes the dialog: members still in the pool are lost.
void CloseReorganizing(MenuState& menu);

// A click on person `human` in the dialog's list: he becomes SelectedHuman, the bar takes the
// pointer, and his members go through the box, so whatever he leads beyond his leadership drops
// into the pool at once. The bar shows members against leadership; a person with leadership 0
// leaves it empty.
void ChooseForReorganizing(World& world, MenuState& menu, int human);

// The bar under the pointer, while it tracks: `human` leads cap × offset / fullScale members,
// halves up, where cap is the least of his leadership and his members plus the pool.
void ReorganizeByBar(World& world, MenuState& menu, int human, double offset, double fullScale);

// A number typed into the box for `human`: he leads the least of `members`, his members plus the
// pool, and his leadership; the difference goes into or out of the pool. The box caps from above
// by itself, so it refuses only numbers below 0 and fractions. Nothing is shown on success, and
// the dialog stays open (there is no OK).
Outcome Reorganize(World& world, MenuState& menu, int human, double members);

}  // namespace golmok
