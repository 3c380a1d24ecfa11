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

std::vector<int> MovingPeople(const World& world) {
    return MovingPeopleListing(world).entries;
}

Listing MovingPeopleListing(const World& world) {
    return ListPeople(world, {MayStillAct(world)});
}

std::vector<int> SelectAllButton::Press(const std::vector<int>& listed) {
    if (caption == kSelectAll) {
        caption = kUnselectAll;
        return listed;
    }
    caption = kSelectAll;
    return {};
}

std::vector<int> Destinations(const World& world) {
    return DestinationsListing(world).entries;
}

Listing DestinationsListing(const World& world) {
    std::vector<int> cities;
    for (int d = 0; d < kCityCount; ++d) {
        if (world.IsPlayerCity(d) && d != world.SelectedCity) cities.push_back(d);
    }
    return Explained(std::move(cities), kNoOtherDistrict);
}

void ChooseDestination(World& world, int city) {
    world.SelectedTargetCity = city;
}

Amounts<4> GoodsBarBases(const World& world) {
    return StockOfSelectedCity(world);
}

double DeliveryRate(const World& world, int escort) {
    double sum = 0;
    sum += world.HumanAttack[escort];
    sum += world.HumanDefence[escort];
    sum += world.HumanStamina[escort];
    sum += world.HumanAgility[escort];
    return sum / 4 * 0.01;
}

Outcome MovePeople(World& world, const std::optional<std::vector<int>>& people,
                   std::optional<int> target, const GoodsBoxes& boxes) {
    if (!people) return Refused(kChoosePerson);
    if (!target) return Refused(kChooseCity);
    const TypedAmounts<4> goods = ReadAmountBoxes(boxes, GoodsBarBases(world));
    if (goods.refusal) return Refused(*goods.refusal);

    for (int h : *people) {
        world.HumanCity[h] = world.CityName[*target];
        world.HumanCanAct[h] = false;
    }
    TakeGoods(world, world.SelectedCity, goods.amounts);
    GiveGoods(world, *target, goods.amounts);
    return Carried(world, kTransportDone);
}

Outcome TransportGoods(World& world, std::optional<int> escort, std::optional<int> target,
                       const GoodsBoxes& boxes) {
    if (!escort) return Refused(kChoosePerson);
    if (!target) return Refused(kChooseCity);
    const TypedAmounts<4> goods = ReadAmountBoxes(boxes, GoodsBarBases(world));
    if (goods.refusal) return Refused(*goods.refusal);

    world.HumanCanAct[*escort] = false;
    // Like every command that uses the working values, the transport clears all eleven first; its
    // rate lives in the first.
    world.WorkSlot.fill(0);
    world.WorkSlot[0] = DeliveryRate(world, *escort);
    const double rate = world.WorkSlot[0];

    TakeGoods(world, world.SelectedCity, goods.amounts);
    Amounts<4> delivered{};
    for (std::size_t i = 0; i < delivered.size(); ++i) {
        delivered[i] = Int(goods.amounts[i] * rate);  // what does not arrive is lost on the way
    }
    GiveGoods(world, *target, delivered);
    return Carried(world, kTransportDone);
}

}  // namespace golmok
