#include "commands/Alliances.h"

#include "world/Numbers.h"

namespace golmok {

namespace {

std::vector<int> GangsWithAlly(const World& world, double ally) {
    std::vector<int> gangs;
    for (int g = 0; g < kGroupCount; ++g) {
        if (world.GroupAlly[g] == ally && g != world.PlayerGroupIndex) gangs.push_back(g);
    }
    return gangs;
}

}  // namespace

std::vector<int> Envoys(const World& world, const MenuState& menu) {
    return EnvoysListing(world, menu).entries;
}

Listing EnvoysListing(const World& world, const MenuState& menu) {
    return ListPeople(world, menu, {MayStillAct(world)});
}

std::vector<int> UnalliedGangs(const World& world) {
    return GangsWithAlly(world, 0);
}

Listing UnalliedGangsListing(const World& world) {
    return Explained(UnalliedGangs(world), kAlliedWithAll);
}

std::vector<int> AlliedGangs(const World& world) {
    return GangsWithAlly(world, 1);
}

Listing AlliedGangsListing(const World& world) {
    return Explained(AlliedGangs(world), kNoAlly);
}

Amounts<4> AllianceBarBases(const World& world, const MenuState& menu) {
    return StockOfSelectedCity(world, menu);
}

std::vector<int> DistrictsOf(const World& world, int group) {
    std::vector<int> cities;
    for (int d = 0; d < kCityCount; ++d) {
        if (world.CityOwnerColor[d] == world.GroupColor[group]) cities.push_back(d);
    }
    return cities;
}

bool EnvoyHeard(const World& world, int envoy, int group) {
    const double score = (world.HumanIntelligence[envoy] + world.HumanCharm[envoy]) / 2;
    return score > world.GroupHostility[group];
}

std::string EnvoyUnheardDetail(const World& world, int envoy, int group) {
    const double score = (world.HumanIntelligence[envoy] + world.HumanCharm[envoy]) / 2;
    return "보낸 사람의 지능과 매력의 평균 " + FormatNumber(score) + "이(가) 그 조직의 적대감 " +
           FormatNumber(world.GroupHostility[group]) + "보다 높아야 합니다.";
}

double OfferValue(const Amounts<4>& goods) {
    return 30000 * goods[kSwords] + 6000 * goods[kKnives] + 3000 * goods[kSticks] + goods[kMoney];
}

double AllianceThreshold(const World& world, int group) {
    const std::vector<int> cities = DistrictsOf(world, group);
    double population = 0;
    double commerce = 0;
    for (int d : cities) {
        population += world.CityPopulation[d];
        commerce += world.CityCommerce[d];
    }
    const double k = static_cast<double>(cities.size());
    return population / k * (commerce / k) / 10;
}

Outcome MakeAlliance(World& world, MenuState& menu, std::optional<int> envoy,
                     std::optional<int> group, const GoodsBoxes& boxes) {
    if (!envoy) return Refused(kChoosePerson);
    if (!group) return Refused(kChooseGang);
    if (auto refusal = RefuseUnlisted(menu, *envoy, Envoys(world, menu))) return *refusal;
    if (auto refusal = RefuseUnlisted(menu, *group, UnalliedGangs(world), kChooseGang))
        return *refusal;
    const TypedAmounts<4> offer = ReadAmountBoxes(boxes, AllianceBarBases(world, menu));
    if (offer.refusal) return Refused(*offer.refusal);
    const int g = *group;
    const bool heard = EnvoyHeard(world, *envoy, g);
    const std::vector<int> targets = DistrictsOf(world, g);
    // Without a district the gang's threshold has nothing to average over: nobody is sent.
    if (heard && targets.empty()) return Refused(kGangWithoutDistrict);

    world.HumanCanAct[*envoy] = false;
    if (!heard) {
        Outcome outcome = Carried(world, menu, kRudeEnvoy);
        outcome.detail = EnvoyUnheardDetail(world, *envoy, g);
        return outcome;
    }
    if (!(OfferValue(offer.amounts) > AllianceThreshold(world, g))) {
        return Carried(world, menu, kOfferTooSmall);
    }

    world.GroupAlly[g] = 1;
    world.GroupHostility[g] -= 5;
    const int d = menu.SelectedCity;
    const Amounts<4>& goods = offer.amounts;
    world.CityMoney[d] -= goods[kMoney];
    world.CitySword[d] -= goods[kSwords];
    world.CityKnife[d] -= goods[kKnives];
    world.CityStick[d] -= goods[kSticks];
    // Each district of the gang gets an equal share; the last one also gets what does not divide.
    const double k = static_cast<double>(targets.size());
    Amounts<4> share{};
    for (std::size_t i = 0; i < share.size(); ++i)
        share[i] = Int(goods[i] / k);
    for (int t : targets) {
        Amounts<4> part = share;
        if (t == targets.back()) {
            for (std::size_t i = 0; i < part.size(); ++i)
                part[i] += goods[i] - k * share[i];
        }
        world.CityMoney[t] += part[kMoney];
        world.CitySword[t] += part[kSwords];
        world.CityKnife[t] += part[kKnives];
        world.CityStick[t] += part[kSticks];
    }
    return Carried(world, menu, kAllianceMade);
}

Outcome CancelAlliance(World& world, MenuState& menu, std::optional<int> group) {
    if (!group) return Refused(kChooseGang);
    if (auto refusal = RefuseUnlisted(menu, *group, AlliedGangs(world), kChooseGang))
        return *refusal;
    world.GroupAlly[*group] = 0;
    // The turn-end range check keeps it at 100 at most.
    world.GroupHostility[*group] += 10;
    return Carried(world, menu, kAllianceCancelled);
}

}  // namespace golmok
