// What every command dialog shares: the outcome of its OK, the amount bar and the amount box, and
// the person list. Each command is one operation on the world; the windows and the console only
// collect its inputs and show its outcome.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "world/World.h"

namespace golmok {

inline constexpr const char* kChoosePerson = "사람을 선택해주세요.";

// What OK did: the message boxes to show, in order, and whether the command went through.
struct Outcome {
    bool done = false;                  // carried out: the dialog closes (some open again)
    std::vector<std::string> messages;  // the result or the refusal, then the change notices

    bool operator==(const Outcome&) const = default;
};

// A refusal: its message, nothing changed, the dialog stays open.
Outcome Refused(std::string message);

// A command carried out: its result message, then the value-change routine (caps, panel, notices).
Outcome Carried(World& world, std::string message);

// The amount bar. `offset` is the pointer's offset inside a bar `fullScale` wide (offsets outside
// the bar are taken at its ends); the amount is base × offset / fullScale, the ratio in single
// precision, taken to the nearest integer with halves up, or cut down where a dialog says so.
enum class BarRounding { HalfUp, Down };
double BarAmount(double base, double offset, double fullScale,
                 BarRounding rounding = BarRounding::HalfUp);

// A mouse press on any amount bar freezes or releases it (BarTracking 1 = follows the pointer).
void ToggleBarTracking(World& world);

// A typed amount: a whole number from 0 up to `most`, what the dialog's bar can reach. Anything
// else is refused with TypedAmountMessage and changes nothing.
std::optional<double> AcceptTypedAmount(std::string_view text, double most);
std::string TypedAmountMessage(double most);

// A click on a person list entry.
void ChoosePerson(World& world, int human);

// The people standing in the selected district for whom `listed` holds, in index order: the person
// list of most dialogs.
template <class Condition>
std::vector<int> PeopleOfSelectedCity(const World& world, Condition listed) {
    std::vector<int> people;
    if (world.SelectedCity < 0 || world.SelectedCity >= kCityCount) return people;
    for (int h = 0; h < kHumanCount; ++h) {
        if (world.IsIn(h, world.SelectedCity) && listed(h)) people.push_back(h);
    }
    return people;
}

}  // namespace golmok
