#include "commands/ArmsTrade.h"

#include "world/ValueRanges.h"

namespace golmok {

namespace {

constexpr const char* kNotEnoughMoney = "돈이 모자릅니다.";

bool DealersRefuse(const World& world) {
    return world.GroupFame[world.PlayerGroupIndex] < kDealersFame;
}

}  // namespace

std::vector<int> ArmsTraders(const World& world, const MenuState& menu) {
    return ArmsTradersListing(world, menu).entries;
}

Listing ArmsTradersListing(const World& world, const MenuState& menu) {
    return ListPeople(world, menu, {MayStillAct(world)});
}

Amounts<3> BuyingBarBases() {
    return {1000, 1000, 1000};
}

Amounts<3> SellingBarBases(const World& world, const MenuState& menu) {
    const Amounts<4> stock = StockOfSelectedCity(world, menu);
    return {stock[kSwords], stock[kKnives], stock[kSticks]};
}

double OrderTotal(const Amounts<3>& prices, const Amounts<3>& pieces) {
    return pieces[kSwords] * prices[kSwords] + prices[kKnives] * pieces[kKnives] +
           prices[kSticks] * pieces[kSticks];
}

Outcome BuyArms(World& world, MenuState& menu, std::optional<int> trader, const ArmsBoxes& boxes) {
    if (!trader) return Refused(kChoosePerson);
    if (auto refusal = RefuseUnlisted(menu, *trader, ArmsTraders(world, menu))) return *refusal;
    if (DealersRefuse(world)) return Refused(kLowFameRefusal);
    const TypedAmounts<3> order = ReadAmountBoxes(boxes, BuyingBarBases());
    if (order.refusal) return Refused(*order.refusal);

    const int d = menu.SelectedCity;
    const double total = OrderTotal(kBuyingPrices, order.amounts);
    // The dealers want to see the full price before they talk about a discount.
    if (world.CityMoney[d] < total) return Refused(kNotEnoughMoney);

    const double intelligence = world.HumanIntelligence[*trader];
    if (intelligence > 79 && intelligence < 90) {
        world.CityMoney[d] -= total * 0.9;
    } else if (intelligence >= 90) {
        world.CityMoney[d] -= total * 0.8;
    } else {
        world.CityMoney[d] -= total;
    }
    world.HumanCanAct[*trader] = false;
    world.CitySword[d] += order.amounts[kSwords];
    world.CityKnife[d] += order.amounts[kKnives];
    world.CityStick[d] += order.amounts[kSticks];

    // An empty order costs the trader his turn but gives nothing to announce.
    if (total != 0) return Carried(world, menu, kTradeDone);
    return Outcome{true, ChangeValue(world, menu.SelectedCity, menu.panel), {}};
}

Outcome SellArms(World& world, MenuState& menu, std::optional<int> trader, const ArmsBoxes& boxes) {
    if (!trader) return Refused(kChoosePerson);
    if (auto refusal = RefuseUnlisted(menu, *trader, ArmsTraders(world, menu))) return *refusal;
    if (DealersRefuse(world)) return Refused(kLowFameRefusal);
    const TypedAmounts<3> order = ReadAmountBoxes(boxes, SellingBarBases(world, menu));
    if (order.refusal) return Refused(*order.refusal);

    const int d = menu.SelectedCity;
    const double total = OrderTotal(kSellingPrices, order.amounts);
    world.CityMoney[d] += total;
    const double intelligence = world.HumanIntelligence[*trader];
    if (intelligence > 79 && intelligence < 90) {
        world.CityMoney[d] += total * 0.1;
    } else if (intelligence >= 90) {
        world.CityMoney[d] += total * 0.2;
    }
    world.HumanCanAct[*trader] = false;
    world.CitySword[d] -= order.amounts[kSwords];
    world.CityKnife[d] -= order.amounts[kKnives];
    world.CityStick[d] -= order.amounts[kSticks];
    return Carried(world, menu, kTradeDone);
}

}  // namespace golmok
