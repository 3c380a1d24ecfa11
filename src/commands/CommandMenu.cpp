#include "commands/CommandMenu.h"

#include "world/ValueRanges.h"

namespace golmok {

void OpenCommandMenu(World& world, int city) {
    world.SelectedCity = city;
    world.SelectedCityIsOwn = world.IsPlayerCity(city);
    Panel& panel = world.panel;
    panel.open = true;
    panel.cityLabel = world.CityName[city];
    panel.labelColor = world.CityOwnerColor[city];
    const auto owner = world.OwnerOf(city);
    panel.groupLabel = owner ? world.GroupName[*owner] : std::string();
    panel.rows = PanelFigures(world, city, true, owner ? world.GroupFame[*owner] : 0);
    if (!owner) panel.rows[8].clear();
}

bool MenuEnabled(const World& world, Menu menu) {
    return menu == Menu::Info || world.SelectedCityIsOwn;
}

void CloseCommandMenu(World& world) {
    world.panel.open = false;
}

}  // namespace golmok
