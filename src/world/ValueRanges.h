// The two routines that keep the world's figures in range and the district panel up to date.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "world/World.h"

namespace golmok {

inline constexpr int kPanelRowCount = 9;

// The district panel of the command menu: two name labels and nine rows, each row's shown text.
// Row order: 인구, 상업, 돈, 조폭인원, 각목, 진검, 조직원수, 사시미, 명성.
struct Panel {
    bool open = false;       // the command menu is on screen
    std::string cityLabel;   // Citylabel: the district's name
    std::string groupLabel;  // GroupLabel: the owner gang's name when the menu was opened
    Color labelColor = 0;    // background of both labels: the owner's colour
    std::array<std::string, kPanelRowCount> rows{};
    bool operator==(const Panel&) const = default;
};

// Names of the panel's rows as the change notices say them.
inline constexpr std::array<const char*, kPanelRowCount> kPanelRowNames = {
    "인구", "상업", "돈", "조폭인원", "각목", "진검", "조직원수", "사시미", "명성"};

// The nine panel texts of a district. Rows 3 and 6 count the people standing in it (dismissed
// people too when countJobless) and stay empty when nobody counts; row 8 shows `fame`.
std::array<std::string, kPanelRowCount> PanelFigures(const World& world, int city,
                                                     bool countJobless, double fame);

// Run after every command that changed the world from a dialog: caps loyalty and members at 100,
// recomputes the rows of `panel`, which shows district `city` (nothing when `city` is no district)
// and, while the 알림상자 option is on, returns one notice per changed row ("돈이(가) -5000이
// 되었습니다."), in row order.
std::vector<std::string> ChangeValue(World& world, int city, Panel& panel);

// Run at every turn end after the computer gangs: every figure back into its range.
void ErrorCheck(World& world);

}  // namespace golmok
