#include "commands/CommandMenu.h"

#include "world/ValueRanges.h"

namespace golmok {

void OpenCommandMenu(const World& world, MenuState& menu, int city) {
    if (city < 0 || city >= kCityCount) return;
    menu.SelectedCity = city;
    menu.SelectedCityIsOwn = world.IsPlayerCity(city);
    Panel& panel = menu.panel;
    panel.open = true;
    panel.cityLabel = world.CityName[city];
    panel.labelColor = world.CityOwnerColor[city];
    const auto owner = world.OwnerOf(city);
    panel.groupLabel = owner ? world.GroupName[*owner] : std::string();
    panel.rows = PanelFigures(world, city, true, owner ? world.GroupFame[*owner] : 0);
    if (!owner) panel.rows[8].clear();
}

bool MenuEnabled(const MenuState& state, Menu menu) {
    return menu == Menu::Info || state.SelectedCityIsOwn;
}

void CloseCommandMenu(MenuState& menu) {
    menu.panel.open = false;
}

}  // namespace golmok
