// The command menu of a district: its panel and which of its six menus can be used.
#pragma once

#include "commands/MenuState.h"
#include "world/World.h"

namespace golmok {

enum class Menu {
    Action,
    Personnel,
    Diplomacy,
    Info,
    Trade,
    City
};  // 행동 인사 외교 정보 거래 도시

// A click on district `city` on the map: selects it, fills the panel (every person standing there
// counted, the owner's fame) and shows the menu. A number that is no district changes nothing.
void OpenCommandMenu(const World& world, MenuState& menu, int city);

// Only 정보 can be used in a district of another gang.
bool MenuEnabled(const MenuState& state, Menu menu);

// The 확인 button of the command menu.
void CloseCommandMenu(MenuState& menu);

}  // namespace golmok
