// Sending fighters out: the attack from a district's command menu (행동 > 맞짱) and the defence
// after a turn end announced a computer attack. Both end in a refusal, an unopposed take-over
// (attack only) or a fight on the field.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "commands/Dialog.h"
#include "commands/Listing.h"
#include "fight/Fight.h"
#include "world/World.h"

namespace golmok {

inline constexpr const char* kOneToFive =
    "싸움을 할 사람이 5명이상이거나 사람을 선택하지 않으셨습니다..";
inline constexpr const char* kSwordsShort = "진검 갯수가 모자릅니다.";
inline constexpr const char* kKnivesShort = "사시미 갯수가 모자릅니다.";
inline constexpr const char* kSticksShort = "각목 갯수가 모자릅니다.";
// Why nobody can be sent from the district.
inline constexpr const char* kEveryoneExhausted = "행동할 수 있는 사람은 모두 체력이 0입니다.";
inline constexpr const char* kNobodyLeadsMembers =
    "행동할 수 있고 체력이 남은 사람은 모두 조직원이 없습니다.";
// Said by the defence set-up's 취소: there is no way out of a defence but a fight.
inline constexpr const char* kDefenceMustBeChosen =
    "방어는 취소할 수 없습니다. 싸울 사람을 골라 확인을 누르십시오.";

// A set-up screen as it was filled when it opened.
struct FightSetup {
    std::vector<int> people;   // LL1: the people who can be sent, in index order
    std::vector<int> targets;  // LL2: the districts that can be attacked (attack only)
    // The stocks the screen shows, in the order 진검, 사시미, 각목: the selected district's when
    // attacking, the attacked district's when defending.
    std::array<double, 3> stocks{};
    // Why a list is empty: one line for the screen, empty while the list holds anybody.
    std::string whyNoPeople;
    std::string whyNoTargets;
};

// What the player did on the screen before OK.
struct SetupChoice {
    bool personClicked = false;  // the person list has a current item
    std::vector<int> selected;   // the people selected in the list
    bool targetClicked = false;  // the target list has a current item (attack only)
};

// What OK did.
struct SetupOutcome {
    Outcome outcome;             // refusal message, or done with no message
    bool takenOver = false;      // the target had nobody in it and is the player's now
    std::optional<Fight> fight;  // the fight that starts now
};

// The attack screen as it would open now in district `city`, the command menu's (no change to the
// world). A number that is no district opens an empty screen.
FightSetup AttackSetupOf(const World& world, int city);
// Opening it: nobody is in a party any more and everybody's weapon is back to 주먹, so a weapon
// chosen in an earlier set-up is not kept.
FightSetup OpenAttackSetup(World& world, int city);
// The defence screen that a turn end opened: everybody in the attacked district, whatever his
// state, and that district's stocks.
FightSetup DefenceSetupOf(const World& world);

// What the player's side does as soon as a turn end has announced an attack. The computer only
// attacks a district with people in it; should the attacked district be empty all the same,
// nobody could be sent and the map would stay frozen for ever, so the set-up is dropped and the
// map unlocks. Returns whether it dropped the set-up.
bool DropEmptyDefence(World& world);

// A weapon chosen for the person last clicked (`human`); it is stored at once.
void ChooseFighterWeapon(World& world, int human, const std::string& weapon);
// A click on a target district: it becomes SelectedTargetCity.
void ChooseTargetCity(MenuState& menu, int city);

// OK on the attack screen, with the target last clicked (SelectedTargetCity); a target the screen
// does not list is refused as if none were clicked. A refused OK changes nothing in the world:
// nobody loses his action or joins a party, and the weapons picked stay picked. Starting the fight
// closes the command menu (the session does it).
SetupOutcome ConfirmAttack(World& world, const FightSetup& setup, const SetupChoice& choice,
                           int target);
// OK on the defence screen; a refusal changes nothing, as on the attack screen.
SetupOutcome ConfirmDefence(World& world, const FightSetup& setup, const SetupChoice& choice);

// What a party needs before OK: weapons by kind in the screen's order (진검, 사시미, 각목), one
// for each member of a fighter who carries it.
std::array<double, 3> PartyNeeds(const World& world, const FightSetup& setup,
                                 const SetupChoice& choice);
// A party's strength as the district at a glance counts it: members + stamina of each fighter.
double PartyStrength(const World& world, const std::vector<int>& people);

// One fighter of the party an announced attack sends, with the weapon he will carry.
struct ComingFighter {
    int human = -1;
    std::string weapon;
    bool operator==(const ComingFighter&) const = default;
};
// The attacking party as the defence's OK will pick and arm it, in slot order.
std::vector<ComingFighter> ComingAttackers(const World& world);

// For a defence fought by itself: the five strongest people of the attacked district (members +
// stamina, ties to the lower index), each armed with the best weapon the stocks still allow, in
// index order. The weapons are stored in the world; returns the choice to confirm.
SetupChoice ChooseStrongestDefenders(World& world, const FightSetup& setup);

// An announced attack defended without the player: the strongest defenders as above go out and
// both sides fight by themselves (`PlayOutFight`). Returns the fight as it ended (drawn when
// neither side could hurt the other); nothing when no defence set-up is open.
std::optional<Fight> DefendByItself(World& world, std::vector<std::string>* messages = nullptr);

}  // namespace golmok
