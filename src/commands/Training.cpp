#include "commands/Training.h"

#include <algorithm>

#include "world/Numbers.h"

namespace golmok {

Listing TrainListing(const World& world, const MenuState& menu) {
    return ListPeople(
        world, menu,
        {MayStillAct(world),
         {[&](int h) { return world.HumanMorale[h] != 100; }, kEveryoneAtFullMorale}});
}

std::vector<int> TrainList(const World& world, const MenuState& menu) {
    return TrainListing(world, menu).entries;
}

Outcome Train(World& world, MenuState& menu, Chosen human) {
    if (!human) return Refused(kChoosePerson);
    if (auto refusal = RefuseUnlisted(menu, *human, TrainList(world, menu))) return *refusal;
    const int h = *human;
    world.HumanCanAct[h] = false;
    if (world.HumanMorale[h] >= 100) return Outcome{};
    world.HumanMorale[h] += 1;
    return Carried(world, menu, kTrainedMessage);
}

Listing HealListing(const World& world, const MenuState& menu) {
    return ListPeople(
        world, menu,
        {{[&](int h) { return world.HumanStamina[h] != world.FullStamina(h); }, kEveryoneHealthy}});
}

std::vector<int> HealList(const World& world, const MenuState& menu) {
    return HealListing(world, menu).entries;
}

double HealCost(const World& world, int human) {
    return std::max(0.0, world.FullStamina(human) - world.HumanStamina[human]) * 10000;
}

Gauge HealGauge(const World& world, int human) {
    return MakeGauge(world.HumanStamina[human], world.FullStamina(human));
}

Outcome Heal(World& world, MenuState& menu, Chosen human) {
    if (!human) return Refused(kChoosePerson);
    if (auto refusal = RefuseUnlisted(menu, *human, HealList(world, menu))) return *refusal;
    const int h = *human;
    const int d = menu.SelectedCity;
    const double cost = HealCost(world, h);
    // Money equal to the cost is not enough.
    if (!(world.CityMoney[d] > cost)) return Refused(kShortOfMoney);
    world.CityMoney[d] -= cost;
    world.HumanStamina[h] = world.FullStamina(h);
    Outcome outcome = CarriedQuietly(world, menu);
    outcome.detail = world.HumanName[h] + "의 체력이 " + FormatNumber(world.HumanStamina[h]) +
                     "(으)로 회복되었습니다. 치료비 " + FormatNumber(cost);
    return outcome;
}

Listing ReorgListing(const World& world, const MenuState& menu) {
    return ListPeople(world, menu, {});
}

std::vector<int> ReorgList(const World& world, const MenuState& menu) {
    return ReorgListing(world, menu).entries;
}

void OpenReorganizing(World& world, MenuState& menu) {
    OpenCommandDialog(menu);
    ReorgDialog& dialog = menu.reorg;
    dialog = ReorgDialog{};
    dialog.open = true;
    dialog.people = ReorgList(world, menu);
}

void RefillReorganizing(const World& world, MenuState& menu) {
    if (!menu.reorg.open) return;
    const double pool = menu.reorg.ReorgPool;
    menu.reorg = ReorgDialog{};
    menu.reorg.open = true;
    menu.reorg.ReorgPool = pool;
    menu.reorg.people = ReorgList(world, menu);
}

void CloseReorganizing(MenuState& menu) {
    menu.reorg = ReorgDialog{};
}

namespace {

// The person leads `members` now; the pool gives or takes the difference.
void SetMembers(World& world, ReorgDialog& dialog, int human, double members) {
    dialog.ReorgPool -= members - world.HumanMembers[human];
    world.HumanMembers[human] = members;
    dialog.box = members;
}

float Ratio(double part, double whole) {
    if (!(whole > 0)) return 0;
    return std::clamp(static_cast<float>(part) / static_cast<float>(whole), 0.0f, 1.0f);
}

// The box's change rule: the least of the typed number, what the person and the pool hold
// together, and the leadership.
void ApplyBox(World& world, ReorgDialog& dialog, int human, double typed) {
    const double held = dialog.ReorgPool + world.HumanMembers[human];
    const double members = std::min({typed, held, world.HumanLeadership[human]});
    SetMembers(world, dialog, human, members);
    if (world.HumanMembers[human] != 0) {
        dialog.barRatio =
            Ratio(world.HumanMembers[human], world.HumanMembers[human] + dialog.ReorgPool);
    }
}

}  // namespace

void ChooseForReorganizing(World& world, MenuState& menu, int human) {
    if (RefuseUnlisted(menu, human, menu.reorg.people)) return;
    ReorgDialog& dialog = menu.reorg;
    dialog.barEnabled = true;
    ChoosePerson(menu, human);
    ApplyBox(world, menu.reorg, human, world.HumanMembers[human]);
    dialog.barRatio = Ratio(world.HumanMembers[human], world.HumanLeadership[human]);
    menu.BarTracking = true;
}

void ReorganizeByBar(World& world, MenuState& menu, int human, double offset, double fullScale) {
    if (!menu.reorg.open || !menu.reorg.barEnabled || !menu.BarTracking) return;
    if (RefuseUnlisted(menu, human, menu.reorg.people)) return;
    const double cap =
        std::min(world.HumanMembers[human] + menu.reorg.ReorgPool, world.HumanLeadership[human]);
    SetMembers(world, menu.reorg, human, BarAmount(cap, offset, fullScale));
    menu.reorg.barRatio = Ratio(std::clamp(offset, 0.0, fullScale), fullScale);
}

Outcome Reorganize(World& world, MenuState& menu, int human, double members) {
    if (auto refusal = RefuseUnlisted(menu, human, menu.reorg.people)) return *refusal;
    if (!(members >= 0) || members != Int(members)) return Refused(kReorgAmountMessage);
    ApplyBox(world, menu.reorg, human, members);
    return Outcome{true, {}, {}};
}

}  // namespace golmok
