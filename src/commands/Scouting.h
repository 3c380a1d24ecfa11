// 인사 > 행동대장 스카웃: luring a person of another gang over with a bribe.
#pragma once

#include <optional>
#include <vector>

#include "commands/Dialog.h"

namespace golmok {

inline constexpr const char* kChooseDistrict = "도시를 선택해주세요.";
inline constexpr const char* kContentMessage = "난 우리 두목에게 만족한다.";
inline constexpr const char* kScoutedMessage = "행동대장이 스카웃 되었습니다.";
inline constexpr const char* kScoutRefusedMessage = "싸가지 없는놈을 나한테 보내냐?";

// Scouts: people of the selected district who may still act.
std::vector<int> ScoutList(const World& world, const MenuState& menu);

// Districts the player does not own, in index order.
std::vector<int> ScoutDistricts(const World& world);

// Targets in `district`: everybody standing there but the bosses.
std::vector<int> ScoutTargets(const World& world, int district);

// The bribe the bar reaches (and a typed amount may not pass): the district's money.
double ScoutMost(const World& world, const MenuState& menu);

// The bribe and the scout's action are spent whatever the target answers. A target with full
// loyalty will not listen; otherwise every full 1000000 takes a point of loyalty, and he comes over
// (with his members, into the scout's district, at full loyalty) when the scout's charm and
// intelligence, averaged and cut down, reach what loyalty he has left.
Outcome Scout(World& world, MenuState& menu, Chosen scout, Chosen target, std::optional<int> district, double bribe);

}  // namespace golmok
