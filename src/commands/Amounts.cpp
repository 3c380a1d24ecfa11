#include "commands/Amounts.h"

namespace golmok {

void OpenBarDialog(World& world) {
    world.BarTracking = 1;
}

Amounts<4> StockOfSelectedCity(const World& world) {
    const int d = world.SelectedCity;
    if (d < 0 || d >= kCityCount) return {};
    return {world.CitySword[d], world.CityKnife[d], world.CityStick[d], world.CityMoney[d]};
}

}  // namespace golmok
