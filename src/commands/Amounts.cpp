#include "commands/Amounts.h"

namespace golmok {

Amounts<4> StockOfSelectedCity(const World& world, const MenuState& menu) {
    const int d = menu.SelectedCity;
    if (!menu.HasCity()) return {};
    return {world.CitySword[d], world.CityKnife[d], world.CityStick[d], world.CityMoney[d]};
}

}  // namespace golmok
