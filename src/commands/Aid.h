// 외교 > 원조: an envoy asks an ally for goods. A heard envoy with a modest request gets exactly
// what he asked for, paid by the ally's districts in proportion to what each holds.
#pragma once

#include <optional>
#include <vector>

#include "commands/Alliances.h"
#include "commands/Amounts.h"
#include "commands/Dialog.h"
#include "world/World.h"

namespace golmok {

inline constexpr const char* kAidGiven = "원조가 완료되었습니다.";
inline constexpr const char* kAskedTooMuch = "우리 조직에게 너무 많은 물건을 요구하지 말아라.";

// The aid bars reach 1000 swords, knives and sticks and 100000000 money.
Amounts<4> AidBarBases();

// OK in 원조 (envoys: Envoys; gangs: AlliedGangs). The envoy acts whatever the answer. A heard
// envoy asking for no more of each good than one of the ally's districts holds on average gets it
// all (the ally's hostility + 1); asking for more is refused (hostility − 1).
Outcome RequestAid(World& world, MenuState& menu, std::optional<int> envoy, std::optional<int> group,
                   const GoodsBoxes& boxes);

}  // namespace golmok
