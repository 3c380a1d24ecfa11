#include "commands/Moving.h"

#include <utility>

#include "world/Numbers.h"

namespace golmok {

namespace {

void TakeGoods(World& world, int city, const Amounts<4>& goods) {
    world.CityMoney[city] -= goods[kMoney];
    world.CitySword[city] -= goods[kSwords];
    world.CityKnife[city] -= goods[kKnives];
    world.CityStick[city] -= goods[kSticks];
}

void GiveGoods(World& world, int city, const Amounts<4>& goods) {
    world.CityMoney[city] += goods[kMoney];
    world.CitySword[city] += goods[kSwords];
    world.CityKnife[city] += goods[kKnives];
    world.CityStick[city] += goods[kSticks];
}

}  // namespace

std::vector<int> MovingPeople(const World& world, const MenuState& menu) {
    return MovingPeopleListing(world, menu).entries;
}

Listing MovingPeopleListing(const World& world, const MenuState& menu) {
    return ListPeople(world, menu, {MayStillAct(world)});
}

std::vector<int> SelectAllButton::Press(const std::vector<int>& listed) {
    if (caption == kSelectAll) {
        caption = kUnselectAll;
        return listed;
    }
    caption = kSelectAll;
    return {};
}

std::vector<int> Destinations(const World& world, const MenuState& menu) {
    return DestinationsListing(world, menu).entries;
}

Listing DestinationsListing(const World& world, const MenuState& menu) {
    std::vector<int> cities;
    for (int d = 0; d < kCityCount; ++d) {
        if (world.IsPlayerCity(d) && d != menu.SelectedCity) cities.push_back(d);
    }
    return Explained(std::move(cities), kNoOtherDistrict);
}

void ChooseDestination(MenuState& menu, int city) {
    menu.SelectedTargetCity = city;
}

Amounts<4> GoodsBarBases(const World& world, const MenuState& menu) {
    return StockOfSelectedCity(world, menu);
}

double DeliveryRate(const World& world, int escort) {
    double sum = 0;
    sum += world.HumanAttack[escort];
    sum += world.HumanDefence[escort];
    sum += world.HumanStamina[escort];
    sum += world.HumanAgility[escort];
    return sum / 4 * 0.01;
}

Outcome MovePeople(World& world, MenuState& menu, const std::optional<std::vector<int>>& people,
                   std::optional<int> target, const GoodsBoxes& boxes) {
    if (!people) return Refused(kChoosePerson);
    if (!target) return Refused(kChooseCity);
    const std::vector<int> listed = MovingPeople(world, menu);
    for (int h : *people) {
        if (auto refusal = RefuseUnlisted(menu, h, listed)) return *refusal;
    }
    if (auto refusal = RefuseUnlisted(menu, *target, Destinations(world, menu), kChooseCity)) {
        return *refusal;
    }
    const TypedAmounts<4> goods = ReadAmountBoxes(boxes, GoodsBarBases(world, menu));
    if (goods.refusal) return Refused(*goods.refusal);

    for (int h : *people) {
        world.HumanCity[h] = world.CityName[*target];
        world.HumanCanAct[h] = false;
    }
    TakeGoods(world, menu.SelectedCity, goods.amounts);
    GiveGoods(world, *target, goods.amounts);
    return Carried(world, menu, kTransportDone);
}

bool MoveEmptiesDistrict(const World& world, const MenuState& menu,
                         const std::optional<std::vector<int>>& people, std::optional<int> target,
                         const GoodsBoxes& boxes) {
    const int city = menu.SelectedCity;
    if (city < 0 || city >= kCityCount || world.HumansIn(city).empty()) return false;
    // The move itself, on copies: what it refuses empties nothing.
    World after = world;
    MenuState menuAfter = menu;
    return MovePeople(after, menuAfter, people, target, boxes).done && after.HumansIn(city).empty();
}

Outcome TransportGoods(World& world, MenuState& menu, std::optional<int> escort,
                       std::optional<int> target, const GoodsBoxes& boxes) {
    if (!escort) return Refused(kChoosePerson);
    if (!target) return Refused(kChooseCity);
    if (auto refusal = RefuseUnlisted(menu, *escort, MovingPeople(world, menu))) return *refusal;
    if (auto refusal = RefuseUnlisted(menu, *target, Destinations(world, menu), kChooseCity)) {
        return *refusal;
    }
    const TypedAmounts<4> goods = ReadAmountBoxes(boxes, GoodsBarBases(world, menu));
    if (goods.refusal) return Refused(*goods.refusal);

    world.HumanCanAct[*escort] = false;
    const double rate = DeliveryRate(world, *escort);

    TakeGoods(world, menu.SelectedCity, goods.amounts);
    Amounts<4> delivered{};
    for (std::size_t i = 0; i < delivered.size(); ++i) {
        delivered[i] = Int(goods.amounts[i] * rate);  // what does not arrive is lost on the way
    }
    GiveGoods(world, *target, delivered);
    return Carried(world, menu, kTransportDone);
}

}  // namespace golmok
