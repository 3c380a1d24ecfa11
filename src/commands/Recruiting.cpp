#include "commands/Recruiting.h"

#include <algorithm>

#include "world/Numbers.h"

namespace golmok {

std::vector<int> RecruitList(const World& world, const MenuState& menu) {
    return PeopleOfSelectedCity(world, menu, [&](int h) {
        return world.HumanCanAct[h] && world.HumanMembers[h] != world.HumanLeadership[h];
    });
}

double RecruitMost(const World& world, int human) {
    return std::max(0.0, kMemberPrice * (world.HumanLeadership[human] - world.HumanMembers[human]));
}

double RecruitBarAmount(const World& world, int human, double offset, double fullScale) {
    return BarAmount(RecruitMost(world, human), offset, fullScale);
}

double RecruitedMembers(const World& world, int human, double amount) {
    const double count = amount / kMemberPrice + world.HumanMembers[human];
    if (count > world.HumanLeadership[human]) return world.HumanLeadership[human];
    return Int(count);
}

Gauge RecruitGauge(const World& world, int human, double shownMembers) {
    return MakeGauge(shownMembers, world.HumanLeadership[human]);
}

Outcome Recruit(World& world, MenuState& menu, Chosen human, double amount) {
    if (!human) return Refused(kChoosePerson);
    if (auto refusal = RefuseUnlisted(menu, *human, RecruitList(world, menu))) return *refusal;
    const int h = *human;
    const int d = menu.SelectedCity;
    if (auto refusal = RefuseBadAmount(amount, RecruitMost(world, h))) return *refusal;
    if (amount > world.CityMoney[d]) return Refused(kShortOfMoney);
    world.HumanCanAct[h] = false;
    world.HumanMembers[h] = RecruitedMembers(world, h, amount);
    world.CityMoney[d] -= amount;
    return Carried(world, menu, kRecruitedMessage);
}

}  // namespace golmok
