// What every command dialog shares: the outcome of its OK, the amount bar and the amount box, and
// the person list. Each command is one operation on the world; the windows and the console only
// collect its inputs and show its outcome.
//
// How a dialog hands its choice to an operation: a click on a list entry calls ChoosePerson, which
// sets SelectedHuman; OK then calls the operation with a `Chosen` person: std::nullopt when nothing
// is selected in that list (the operation answers "사람을 선택해주세요." and changes nothing),
// otherwise the index the click chose. The operations act on that index and on the menu's
// district (MenuState::SelectedCity), and refuse anything their own list would not offer.
//
// Amounts reach an operation as the number in the amount box. The bar only ever yields whole
// numbers from 0 to its base; a typed amount must be one of those too, so each operation with an
// amount refuses anything else with TypedAmountMessage before it touches the world: no negative
// stocks, no money spent twice. The reorganizing box has a capping rule of its own (Training.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "commands/MenuState.h"
#include "world/World.h"

namespace golmok {

inline constexpr const char* kChoosePerson = "사람을 선택해주세요.";
// A dialog with a list of districts (moving, transport, the attack) when none was clicked.
inline constexpr const char* kChooseCity = "도시를 선택해주세요.";
inline constexpr const char* kShortOfMoney = "돈이 모자릅니다.";

// The person chosen in a dialog's list, or nothing.
using Chosen = std::optional<int>;

// What OK did: the message boxes to show, in order, and whether the command went through.
struct Outcome {
    bool done = false;                  // carried out: the dialog closes (some open again)
    std::vector<std::string> messages;  // the result or the refusal, then the change notices
    // The figures behind the first message (what was collected, why a request was turned down),
    // shown by the windows as a second, smaller line of its box; empty when it needs none. A
    // command with no message of its own (healing) tells here what it did.
    std::string detail;

    bool operator==(const Outcome&) const = default;
};

// A refusal: its message, nothing changed, the dialog stays open.
Outcome Refused(std::string message);

// A command carried out: its result message, then the value-change routine (caps, panel, notices).
Outcome Carried(World& world, MenuState& menu, std::string message);

// A command carried out that has no result message of its own (healing): only the notices.
Outcome CarriedQuietly(World& world, MenuState& menu);

// The guard every operation runs before it touches anything: the menu stands on a district of the
// player (RefuseNoCity), and
// `chosen` is among what the operation's own list offers (`listed`). Returns the refusal, with
// `message`, or nothing when the operation may go on.
std::optional<Outcome> RefuseUnlisted(const MenuState& menu, int chosen,
                                      const std::vector<int>& listed,
                                      const char* message = kChoosePerson);

// The menu stands on a district that was the player's when it was opened or last refreshed: the
// refusal when it does not.
std::optional<Outcome> RefuseNoCity(const MenuState& menu);

// Opening any command dialog with a person list: the amount bar follows the pointer again.
void OpenCommandDialog(MenuState& menu);

// The amount bar. `offset` is the pointer's offset inside a bar `fullScale` wide (offsets outside
// the bar are taken at its ends). HalfUp: base × ratio, the ratio in single precision, taken to the
// nearest integer with halves up. Down (the commerce dialog): base × offset / fullScale worked out
// in double precision and cut down.
enum class BarRounding { HalfUp, Down };
double BarAmount(double base, double offset, double fullScale,
                 BarRounding rounding = BarRounding::HalfUp);

// A mouse press on any amount bar freezes or releases it.
void ToggleBarTracking(MenuState& menu);

// A typed amount: a whole number from 0 up to `most`, what the dialog's bar can reach. Anything
// else is refused with TypedAmountMessage and changes nothing.
std::optional<double> AcceptTypedAmount(std::string_view text, double most);
std::string TypedAmountMessage(double most);

// The same rule for an amount already read as a number: the refusal, or nothing when it is whole
// and within 0..most.
std::optional<Outcome> RefuseBadAmount(double amount, double most);

// A display bar (healing's stamina, recruiting's members): its value always within 0..fullScale,
// fullScale never below 0, so a view can draw it without dividing by zero.
struct Gauge {
    double value = 0;
    double fullScale = 0;
    bool operator==(const Gauge&) const = default;
};
Gauge MakeGauge(double value, double fullScale);

// A click on a person list entry.
void ChoosePerson(MenuState& menu, int human);

// The people standing in the selected district for whom `listed` holds, in index order: the person
// list of most dialogs.
template <class Condition>
std::vector<int> PeopleOfSelectedCity(const World& world, const MenuState& menu, Condition listed) {
    std::vector<int> people;
    if (!menu.HasCity()) return people;
    for (int h = 0; h < kHumanCount; ++h) {
        if (world.IsIn(h, menu.SelectedCity) && listed(h)) people.push_back(h);
    }
    return people;
}

}  // namespace golmok
