#include "commands/Training.h"

#include <algorithm>

#include "world/Numbers.h"

namespace golmok {

Listing TrainListing(const World& world) {
    return ListPeople(
        world, {MayStillAct(world),
                {[&](int h) { return world.HumanMorale[h] != 100; }, kEveryoneAtFullMorale}});
}

std::vector<int> TrainList(const World& world) {
    return TrainListing(world).entries;
}

Outcome Train(World& world, Chosen human) {
    if (!human) return Refused(kChoosePerson);
    const int h = *human;
    world.HumanCanAct[h] = false;
    if (world.HumanMorale[h] >= 100) return Outcome{};
    world.HumanMorale[h] += 1;
    return Carried(world, kTrainedMessage);
}

Listing HealListing(const World& world) {
    return ListPeople(world, {{[&](int h) { return world.HumanStamina[h] != world.FullStamina(h); },
                               kEveryoneHealthy}});
}

std::vector<int> HealList(const World& world) {
    return HealListing(world).entries;
}

double HealCost(const World& world, int human) {
    return std::max(0.0, world.FullStamina(human) - world.HumanStamina[human]) * 10000;
}

Gauge HealGauge(const World& world, int human) {
    return MakeGauge(world.HumanStamina[human], world.FullStamina(human));
}

Outcome Heal(World& world, Chosen human) {
    if (!human) return Refused(kChoosePerson);
    const int h = *human;
    const int d = world.SelectedCity;
    const double cost = HealCost(world, h);
    // Money equal to the cost is not enough.
    if (!(world.CityMoney[d] > cost)) return Refused(kShortOfMoney);
    world.CityMoney[d] -= cost;
    world.HumanStamina[h] = world.FullStamina(h);
    return CarriedQuietly(world);
}

Listing ReorgListing(const World& world) {
    return ListPeople(world, {});
}

std::vector<int> ReorgList(const World& world) {
    return ReorgListing(world).entries;
}

void OpenReorganizing(World& world) {
    OpenCommandDialog(world);
    ReorgDialog& dialog = world.reorg;
    dialog = ReorgDialog{};
    dialog.open = true;
    dialog.people = ReorgList(world);
}

void CloseReorganizing(World& world) {
    world.reorg = ReorgDialog{};
}

namespace {

// The person leads `members` now; the pool gives or takes the difference.
void SetMembers(World& world, int human, double members) {
    world.reorg.ReorgPool -= members - world.HumanMembers[human];
    world.HumanMembers[human] = members;
    world.reorg.box = members;
}

float Ratio(double part, double whole) {
    if (!(whole > 0)) return 0;
    return std::clamp(static_cast<float>(part) / static_cast<float>(whole), 0.0f, 1.0f);
}

// The box's change rule: the least of the typed number, what the person and the pool hold
// together, and the leadership.
void ApplyBox(World& world, int human, double typed) {
    const double held = world.reorg.ReorgPool + world.HumanMembers[human];
    const double members = std::min({typed, held, world.HumanLeadership[human]});
    SetMembers(world, human, members);
    if (world.HumanMembers[human] != 0) {
        world.reorg.barRatio =
            Ratio(world.HumanMembers[human], world.HumanMembers[human] + world.reorg.ReorgPool);
    }
}

}  // namespace

void ChooseForReorganizing(World& world, int human) {
    ReorgDialog& dialog = world.reorg;
    dialog.barEnabled = true;
    ChoosePerson(world, human);
    ApplyBox(world, human, world.HumanMembers[human]);
    dialog.barRatio = Ratio(world.HumanMembers[human], world.HumanLeadership[human]);
    world.BarTracking = 1;
}

void ReorganizeByBar(World& world, int human, double offset, double fullScale) {
    if (!world.reorg.open || !world.reorg.barEnabled || world.BarTracking != 1) return;
    const double cap =
        std::min(world.HumanMembers[human] + world.reorg.ReorgPool, world.HumanLeadership[human]);
    SetMembers(world, human, BarAmount(cap, offset, fullScale));
    world.reorg.barRatio = Ratio(std::clamp(offset, 0.0, fullScale), fullScale);
}

Outcome Reorganize(World& world, int human, double members) {
    if (!(members >= 0) || members != Int(members)) return Refused(kReorgAmountMessage);
    ApplyBox(world, human, members);
    return Outcome{true, {}};
}

}  // namespace golmok
