// The two routines that keep the world's figures in range and the district panel up to date.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "world/World.h"

namespace golmok {

// Names of the panel's rows as the change notices say them.
inline constexpr std::array<const char*, kPanelRowCount> kPanelRowNames = {
    "인구", "상업", "돈", "조폭인원", "각목", "진검", "조직원수", "사시미", "명성"};

// The nine panel texts of a district. Rows 3 and 6 count the people standing in it (dismissed
// people too when countJobless) and stay empty when nobody counts; row 8 shows `fame`.
std::array<std::string, kPanelRowCount> PanelFigures(const World& world, int city,
                                                     bool countJobless, double fame);

// Run after every command that changed the world from a dialog: caps loyalty and members at 100,
// recomputes the panel of the selected district and, while the 알림상자 option is on, returns one
// notice per changed row ("돈이(가) -5000이 되었습니다."), in row order.
std::vector<std::string> ChangeValue(World& world);

// Run at every turn end after the computer gangs: every figure back into its range.
void ErrorCheck(World& world);

}  // namespace golmok
