// 행동 > 조직원 스카웃: new members for one person, bought with district money.
#pragma once

#include <vector>

#include "commands/Dialog.h"

namespace golmok {

inline constexpr double kMemberPrice = 20000;
inline constexpr const char* kMemberPriceNote = "1조직원당 20000";
inline constexpr const char* kRecruitedMessage = "조직원이 스카웃되었습니다.";

// People of the selected district who may still act and do not lead exactly their leadership.
std::vector<int> RecruitList(const World& world, const MenuState& menu);

// The most the amount can be: the price of filling the person up to his leadership. A person
// leading more than his leadership can be filled up with nothing, so this is never below 0 (else
// the bar would hand out money for members given back).
double RecruitMost(const World& world, int human);

// The amount the bar gives at `offset` of a bar `fullScale` wide.
double RecruitBarAmount(const World& world, int human, double offset, double fullScale);

// The member count the dialog shows for `amount`: every full 20000 buys one member, up to the
// leadership.
double RecruitedMembers(const World& world, int human, double amount);

// The dialog's members bar: the count shown against leadership.
Gauge RecruitGauge(const World& world, int human, double shownMembers);

// Spends `amount` of the district's money (it may be all of it, not more) on members for the
// person; the person's action is spent only when this goes through. The dialog then opens again.
Outcome Recruit(World& world, MenuState& menu, Chosen human, double amount);

}  // namespace golmok
