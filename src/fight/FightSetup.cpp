#include "fight/FightSetup.h"

#include <algorithm>
#include <utility>

#include "world/Numbers.h"
#include "world/SharedRoutines.h"

namespace golmok {

namespace {

using Party = std::array<int, kSlotCount>;
using PartyFlags = HumanTable<bool>;

constexpr int kSword = 0, kKnife = 1, kStick = 2;

bool IsListed(const std::vector<int>& list, int value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

// The checks every OK makes before anyone is counted. Somebody the screen does not list cannot
// have been selected.
std::optional<std::string> ChoiceRefusal(const FightSetup& setup, const SetupChoice& choice,
                                         bool needsTarget) {
    if (!choice.personClicked) return kChoosePerson;
    if (needsTarget && !choice.targetClicked) return kChooseCity;
    if (choice.selected.empty() || choice.selected.size() > kSlotCount) return kOneToFive;
    for (int h : choice.selected) {
        if (!IsListed(setup.people, h)) return kChoosePerson;
    }
    return std::nullopt;
}

}  // namespace

// Counting changes nothing: a refused OK must cost nobody his action nor put anybody in a party.
std::array<double, 3> PartyNeeds(const World& world, const FightSetup& setup,
                                 const SetupChoice& choice) {
    std::array<double, 3> need{};
    for (int h : setup.people) {
        if (!IsListed(choice.selected, h)) continue;
        switch (WeaponIndex(world.HumanWeapon[h])) {
            case 3:
                need[kSword] += world.HumanMembers[h];
                break;
            case 2:
                need[kKnife] += world.HumanMembers[h];
                break;
            case 1:
                need[kStick] += world.HumanMembers[h];
                break;
            default:
                break;
        }
    }
    return need;
}

double PartyStrength(const World& world, const std::vector<int>& people) {
    double strength = 0;
    for (int h : people)
        strength += world.HumanMembers[h] + world.HumanStamina[h];
    return strength;
}

namespace {

// The player's fighters go out, in the order of the list: each loses his action for the turn and
// joins the party; everybody else on the list stays out of it.
Party SendFighters(World& world, const FightSetup& setup, const SetupChoice& choice,
                   PartyFlags& flags) {
    Party party;
    party.fill(-1);
    int slot = 0;
    for (int h : setup.people)
        flags[h] = false;
    for (int h : setup.people) {
        if (!IsListed(choice.selected, h)) continue;
        world.HumanCanAct[h] = false;
        flags[h] = true;
        party[slot++] = h;
    }
    return party;
}

// A weapon arms a fighter's every member, so he needs as many of it as he leads.
std::optional<Outcome> StockRefusal(const std::array<double, 3>& need,
                                    const std::array<double, 3>& stocks) {
    static constexpr const char* kShort[] = {kSwordsShort, kKnivesShort, kSticksShort};
    static constexpr const char* kNames[] = {"진검", "사시미", "각목"};
    for (int k : {kSword, kKnife, kStick}) {
        if (!(need[k] > stocks[k])) continue;
        Outcome outcome = Refused(kShort[k]);
        outcome.detail = std::string("고른 사람들에게 ") + kNames[k] + " " + FormatNumber(need[k]) +
                         "개가 필요한데 창고에는 " + FormatNumber(stocks[k]) + "개뿐입니다.";
        return outcome;
    }
    return std::nullopt;
}

bool Occupied(const World& world, int city) {
    for (int h = 0; h < kHumanCount; ++h) {
        if (world.IsIn(h, city)) return true;
    }
    return false;
}

// The computer's fighters: five rounds, each taking the strongest (members + stamina) person of
// the district not picked yet, whatever his gang; the first of equals wins and nobody without
// strength is taken.
Party PickComputerFighters(World& world, int city, PartyFlags& flags) {
    Party party;
    party.fill(-1);
    int slot = 0;
    for (int round = 0; round < kSlotCount; ++round) {
        int best = -1;
        double bestStrength = 0;
        for (int h = 0; h < kHumanCount; ++h) {
            if (!world.IsIn(h, city) || flags[h]) continue;
            const double strength = world.HumanMembers[h] + world.HumanStamina[h];
            if (strength > bestStrength) {
                best = h;
                bestStrength = strength;
            }
        }
        if (best < 0) continue;
        flags[best] = true;
        world.HumanCanAct[best] = false;
        party[slot++] = best;
    }
    return party;
}

// Arms the flagged people in index order (not in party order) from working copies of the stocks:
// the best weapon whose stock still covers all his members. The district keeps its stocks.
void ArmComputerFighters(World& world, int city, const PartyFlags& flags, bool keepOwnWeapon) {
    double swords = world.CitySword[city], knives = world.CityKnife[city],
           sticks = world.CityStick[city];
    for (int h = 0; h < kHumanCount; ++h) {
        if (!flags[h]) continue;
        const double m = world.HumanMembers[h];
        if (m <= swords) {
            world.HumanWeapon[h] = "진검";
            swords -= m;
        } else if (m <= knives) {
            world.HumanWeapon[h] = "사시미";
            knives -= m;
        } else if (m <= sticks) {
            world.HumanWeapon[h] = "각목";
            sticks -= m;
        } else if (!keepOwnWeapon) {
            world.HumanWeapon[h] = kFist;
        }
    }
}

// The group whose colour the district shows is now hostile to the player.
void RaiseHostility(World& world, int city) {
    for (int g = 0; g < kGroupCount; ++g) {
        if (world.GroupColor[g] == world.CityOwnerColor[city]) world.GroupHostility[g] += 20;
    }
}

Fighter PlacedFighter(const World& world, int human, int slot, int row, double barExtra) {
    Fighter f;
    f.human = human;
    if (human < 0) return f;
    f.present = true;
    f.gang = world.HumanGroup[human];
    f.unfit = world.HumanStamina[human] <= 0 || world.HumanMembers[human] <= 0;
    f.shown = f.pending = Position{2 * kCell * slot, row};
    if (world.options.healthBars) {
        const double health = Int((world.HumanStamina[human] + world.HumanMembers[human]) / 2);
        f.bar = HealthBar{true, health + barExtra, health};
    }
    return f;
}

// The hand-over to the field: pieces for the filled slots, the player's side on top.
Fight NewFight(const World& world, FightSide side, const Party& playerParty,
               const Party& enemyParty) {
    Fight fight;
    fight.side = side;
    fight.realTime = world.BattleMode == BattleMode::Real;
    const double playerBarExtra = side == FightSide::Defence ? 1 : 0;
    for (int i = 0; i < kSlotCount; ++i) {
        fight.player[i] = PlacedFighter(world, playerParty[i], i, 0, playerBarExtra);
        fight.enemy[i] = PlacedFighter(world, enemyParty[i], i, kBoardEdge, 0);
    }
    return fight;
}

std::string GroupOfFirst(const World& world, bool (*matches)(const World&, int, int), int arg) {
    for (int h = 0; h < kHumanCount; ++h) {
        if (matches(world, h, arg)) return world.HumanGroup[h];
    }
    return {};
}

}  // namespace

FightSetup AttackSetupOf(const World& world, int city) {
    FightSetup setup;
    if (city < 0 || city >= kCityCount) return setup;
    Listing people =
        ListPeopleIn(world, city,
                     {MayStillAct(world),
                      {[&](int h) { return world.HumanStamina[h] != 0; }, kEveryoneExhausted},
                      {[&](int h) { return world.HumanMembers[h] > 0; }, kNobodyLeadsMembers}});
    setup.people = std::move(people.entries);
    setup.whyNoPeople = std::move(people.whyEmpty);
    for (int c = 0; c < kCityCount; ++c) {
        if (!world.IsPlayerCity(c)) setup.targets.push_back(c);
    }
    if (setup.targets.empty()) setup.whyNoTargets = kNoRivalDistrict;
    setup.stocks = {world.CitySword[city], world.CityKnife[city], world.CityStick[city]};
    return setup;
}

FightSetup OpenAttackSetup(World& world, int city) {
    for (int h = 0; h < kHumanCount; ++h) {
        world.HumanInAttackParty[h] = false;
        world.HumanInDefenceParty[h] = false;
        world.HumanWeapon[h] = kFist;
    }
    return AttackSetupOf(world, city);
}

FightSetup DefenceSetupOf(const World& world) {
    FightSetup setup;
    const int city = world.AttackToCity;
    if (city < 0 || city >= kCityCount) return setup;
    setup.people = world.HumansIn(city);
    if (setup.people.empty()) setup.whyNoPeople = kNobodyHere;
    setup.stocks = {world.CitySword[city], world.CityKnife[city], world.CityStick[city]};
    return setup;
}

void ChooseFighterWeapon(World& world, int human, const std::string& weapon) {
    if (human >= 0 && human < kHumanCount) world.HumanWeapon[human] = weapon;
}

void ChooseTargetCity(MenuState& menu, int city) {
    menu.SelectedTargetCity = city;
}

SetupOutcome ConfirmAttack(World& world, const FightSetup& setup, const SetupChoice& choice,
                           int target) {
    SetupOutcome result;
    if (auto refusal = ChoiceRefusal(setup, choice, true)) {
        result.outcome = Refused(*refusal);
        return result;
    }
    if (!IsListed(setup.targets, target)) {
        result.outcome = Refused(kChooseCity);
        return result;
    }
    if (auto refusal = StockRefusal(PartyNeeds(world, setup, choice), setup.stocks)) {
        result.outcome = std::move(*refusal);
        return result;
    }
    const Party attackers = SendFighters(world, setup, choice, world.HumanInAttackParty);
    result.outcome.done = true;
    if (!Occupied(world, target)) {
        // Nobody to fight: the district is the player's and the fighters move in.
        world.CityOwnerColor[target] = world.PlayerColor;
        for (int h = 0; h < kHumanCount; ++h) {
            if (world.HumanInAttackParty[h]) world.HumanCity[h] = world.CityName[target];
        }
        result.takenOver = true;
        return result;
    }
    const Party defenders = PickComputerFighters(world, target, world.HumanInDefenceParty);
    ArmComputerFighters(world, target, world.HumanInDefenceParty, false);

    Fight fight = NewFight(world, FightSide::Attack, attackers, defenders);
    fight.city = target;
    fight.cityName = world.CityName[target];
    fight.playerGroupName = world.GroupName[world.PlayerGroupIndex];
    fight.enemyGroupName = GroupOfFirst(
        world, [](const World& w, int h, int c) { return w.IsIn(h, c); }, target);
    LockMap(world);
    RaiseHostility(world, target);
    result.fight = std::move(fight);
    return result;
}

SetupOutcome ConfirmDefence(World& world, const FightSetup& setup, const SetupChoice& choice) {
    SetupOutcome result;
    // Only a turn end that announced an attack opens this screen.
    const auto inRange = [](int city) { return city >= 0 && city < kCityCount; };
    if (!world.DefenceSetupOpen || !inRange(world.AttackFromCity) || !inRange(world.AttackToCity)) {
        return result;
    }
    if (auto refusal = ChoiceRefusal(setup, choice, false)) {
        result.outcome = Refused(*refusal);
        return result;
    }
    // A shortage stops here, before anybody goes out or any attacker is picked.
    if (auto refusal = StockRefusal(PartyNeeds(world, setup, choice), setup.stocks)) {
        result.outcome = std::move(*refusal);
        return result;
    }
    const Party defenders = SendFighters(world, setup, choice, world.HumanInDefenceParty);
    result.outcome.done = true;
    const int from = world.AttackFromCity;
    const Party attackers = PickComputerFighters(world, from, world.HumanInAttackParty);
    // An attacker the stocks cannot arm keeps his weapon (주먹 since the turn end).
    ArmComputerFighters(world, from, world.HumanInAttackParty, true);

    Fight fight = NewFight(world, FightSide::Defence, defenders, attackers);
    fight.city = world.AttackToCity;
    fight.fromCity = from;
    RaiseHostility(world, from);
    fight.cityName = world.CityName[world.AttackToCity];
    fight.playerGroupName = world.PlayerGroupName;
    fight.enemyGroupName = GroupOfFirst(
        world, [](const World& w, int h, int) { return bool(w.HumanInAttackParty[h]); }, 0);
    world.DefenceSetupOpen = false;
    result.fight = std::move(fight);
    return result;
}

std::vector<ComingFighter> ComingAttackers(const World& world) {
    std::vector<ComingFighter> coming;
    const int from = world.AttackFromCity;
    if (!world.DefenceSetupOpen || from < 0 || from >= kCityCount) return coming;
    // Picked and armed on a copy, exactly as the defence's OK does it: the defenders chosen do
    // not enter into it (they stand in another district).
    World copy = world;
    const Party attackers = PickComputerFighters(copy, from, copy.HumanInAttackParty);
    ArmComputerFighters(copy, from, copy.HumanInAttackParty, true);
    for (int h : attackers) {
        if (h >= 0) coming.push_back({h, copy.HumanWeapon[h]});
    }
    return coming;
}

bool DropEmptyDefence(World& world) {
    if (!world.DefenceSetupOpen || !DefenceSetupOf(world).people.empty()) return false;
    world.DefenceSetupOpen = false;
    UnlockMap(world);
    return true;
}

SetupChoice ChooseStrongestDefenders(World& world, const FightSetup& setup) {
    SetupChoice choice;
    std::vector<int> pool;
    for (int h : setup.people) {
        if (world.HumanMembers[h] + world.HumanStamina[h] > 0) pool.push_back(h);
    }
    // With nobody left standing somebody still has to go out.
    if (pool.empty() && !setup.people.empty()) pool.push_back(setup.people.front());
    while (choice.selected.size() < kSlotCount && !pool.empty()) {
        auto best = pool.begin();
        for (auto it = pool.begin(); it != pool.end(); ++it) {
            if (world.HumanMembers[*it] + world.HumanStamina[*it] >
                world.HumanMembers[*best] + world.HumanStamina[*best]) {
                best = it;
            }
        }
        choice.selected.push_back(*best);
        pool.erase(best);
    }
    std::sort(choice.selected.begin(), choice.selected.end());
    double swords = setup.stocks[kSword], knives = setup.stocks[kKnife],
           sticks = setup.stocks[kStick];
    for (int h : choice.selected) {
        const double m = world.HumanMembers[h];
        std::string weapon = kFist;
        if (m <= swords) {
            weapon = "진검";
            swords -= m;
        } else if (m <= knives) {
            weapon = "사시미";
            knives -= m;
        } else if (m <= sticks) {
            weapon = "각목";
            sticks -= m;
        }
        ChooseFighterWeapon(world, h, weapon);
    }
    choice.personClicked = !choice.selected.empty();
    return choice;
}

std::optional<Fight> DefendByItself(World& world, std::vector<std::string>* messages) {
    if (!world.DefenceSetupOpen) return std::nullopt;
    const FightSetup setup = DefenceSetupOf(world);
    const SetupChoice choice = ChooseStrongestDefenders(world, setup);
    SetupOutcome out = ConfirmDefence(world, setup, choice);
    if (!out.fight) return std::nullopt;
    std::vector<std::string> said = PlayOutFight(world, *out.fight);
    if (messages) messages->insert(messages->end(), said.begin(), said.end());
    return out.fight;
}

}  // namespace golmok
