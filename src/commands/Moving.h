// 행동 > 이동 and 수송: people, money and weapons go from the selected district to another district
// of the player. Moving people carries the goods in full; a transport escort stays at home and
// delivers only what his fighting figures protect.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "commands/Amounts.h"
#include "commands/Dialog.h"
#include "commands/Listing.h"
#include "world/World.h"

namespace golmok {

inline constexpr const char* kTransportDone = "수송이 완료되었습니다.";
inline constexpr const char* kNoOtherDistrict = "이 구역 말고는 우리 조직의 구역이 없습니다.";

// Both person lists: the people of the district who may still act.
std::vector<int> MovingPeople(const World& world, const MenuState& menu);
Listing MovingPeopleListing(const World& world, const MenuState& menu);

// The moving dialog's toggle button, "모두 선택" when its window is made: pressed, it selects every
// listed person and reads "모두 해제"; pressed again, it selects nobody and reads "모두 선택".
inline constexpr const char* kSelectAll = "모두 선택";
inline constexpr const char* kUnselectAll = "모두 해제";
struct SelectAllButton {
    std::string caption = kSelectAll;
    // Returns the people selected after the press.
    std::vector<int> Press(const std::vector<int>& listed);
};

// Both destination lists: every other district of the player, in map order.
std::vector<int> Destinations(const World& world, const MenuState& menu);
Listing DestinationsListing(const World& world, const MenuState& menu);

// A click on a destination sets SelectedTargetCity.
void ChooseDestination(MenuState& menu, int city);

// The goods bars reach everything the selected district holds: swords, knives, sticks, money.
Amounts<4> GoodsBarBases(const World& world, const MenuState& menu);

// The share of a shipment an escort delivers: the average of his attack, defence, stamina and
// agility, in hundredths.
double DeliveryRate(const World& world, int escort);

// OK in 이동. `people` is nullopt while the list has no current entry; otherwise the entries
// selected in it (possibly none: the goods then travel alone). Everyone selected goes to `target`
// and has acted; the goods leave the district and arrive in full.
Outcome MovePeople(World& world, MenuState& menu, const std::optional<std::vector<int>>& people,
                   std::optional<int> target, const GoodsBoxes& boxes);

// Whether the same OK would be carried out and leave the selected district with nobody in it:
// the windows ask the player before such a move. Changes nothing.
bool MoveEmptiesDistrict(const World& world, const MenuState& menu,
                         const std::optional<std::vector<int>>& people, std::optional<int> target,
                         const GoodsBoxes& boxes);

// OK in 수송: the escort has acted and stays; the goods leave the district and `target` gets
// Int(amount × delivery rate) of each.
Outcome TransportGoods(World& world, MenuState& menu, std::optional<int> escort,
                       std::optional<int> target, const GoodsBoxes& boxes);

}  // namespace golmok
