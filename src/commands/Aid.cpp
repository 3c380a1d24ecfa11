#include "commands/Aid.h"

#include <algorithm>

#include "commands/Alliances.h"
#include "world/Numbers.h"

namespace golmok {

namespace {

// A district's holding of each good, in the order of the goods rows.
double& Holding(World& world, int city, std::size_t good) {
    switch (good) {
        case kSwords:
            return world.CitySword[city];
        case kKnives:
            return world.CityKnife[city];
        case kSticks:
            return world.CityStick[city];
        default:
            return world.CityMoney[city];
    }
}

}  // namespace

Amounts<4> AidBarBases() {
    return {1000, 1000, 1000, 100000000};
}

Outcome RequestAid(World& world, MenuState& menu, std::optional<int> envoy, std::optional<int> group,
                   const GoodsBoxes& boxes) {
    if (!envoy) return Refused(kChoosePerson);
    if (!group) return Refused(kChooseGang);
    if (auto refusal = RefuseUnlisted(menu, *envoy, Envoys(world, menu))) return *refusal;
    if (auto refusal = RefuseUnlisted(menu, *group, AlliedGangs(world), kChooseGang)) return *refusal;
    const TypedAmounts<4> request = ReadAmountBoxes(boxes, AidBarBases());
    if (request.refusal) return Refused(*request.refusal);
    const int g = *group;
    const bool heard = EnvoyHeard(world, *envoy, g);
    const std::vector<int> givers = DistrictsOf(world, g);
    // An ally without a district has no average to measure a request by: nobody is sent.
    if (heard && givers.empty()) return Refused(kGangWithoutDistrict);

    world.HumanCanAct[*envoy] = false;
    if (!heard) {
        Outcome outcome = Carried(world, menu, kRudeEnvoy);
        outcome.detail = EnvoyUnheardDetail(world, *envoy, g);
        return outcome;
    }

    const Amounts<4>& asked = request.amounts;
    const double k = static_cast<double>(givers.size());
    Amounts<4> total{};
    for (std::size_t x = 0; x < total.size(); ++x) {
        for (int d : givers)
            total[x] += Holding(world, d, x);
    }
    for (std::size_t x = 0; x < total.size(); ++x) {
        if (!(total[x] / k >= asked[x])) {
            world.GroupHostility[g] -= 1;
            Outcome outcome = Carried(world, menu, kAskedTooMuch);
            // The ally gives at most what its districts hold on average, good by good.
            static constexpr const char* kGoods[] = {"진검", "사시미", "각목", "돈"};
            outcome.detail = "요청한 " + std::string(kGoods[x]) + " " + FormatNumber(asked[x]) +
                             ": 그 조직의 구역 평균 " + FormatNumber(Int(total[x] / k)) +
                             "보다 많습니다.";
            return outcome;
        }
    }

    for (std::size_t x = 0; x < total.size(); ++x) {
        if (total[x] == 0) continue;
        // Each district pays in proportion to what it held before anyone paid, rounded down; the
        // last one makes up what the rounding left, so that together they pay exactly what was
        // asked. A last district too poor for that would be left owing pieces it does not have, so
        // what it cannot cover comes from the others, nearest to the end of the map first; the
        // request never exceeds what the ally holds in all.
        Amounts<kCityCount> owed{};
        double rest = asked[x];
        for (std::size_t i = 0; i < givers.size(); ++i) {
            owed[i] = Int(asked[x] * Holding(world, givers[i], x) / total[x]);
            rest -= owed[i];
        }
        for (std::size_t i = givers.size(); i-- > 0 && rest > 0;) {
            const double spare = Holding(world, givers[i], x) - owed[i];
            const double extra = std::min(rest, std::max(0.0, spare));
            owed[i] += extra;
            rest -= extra;
        }
        // Only a holding below zero can leave something over; the last district owes it.
        owed[givers.size() - 1] += rest;
        for (std::size_t i = 0; i < givers.size(); ++i)
            Holding(world, givers[i], x) -= owed[i];
    }
    world.GroupHostility[g] += 1;
    const int d = menu.SelectedCity;
    world.CityMoney[d] += asked[kMoney];
    world.CitySword[d] += asked[kSwords];
    world.CityKnife[d] += asked[kKnives];
    world.CityStick[d] += asked[kSticks];
    return Carried(world, menu, kAidGiven);
}

}  // namespace golmok
