#include "commands/Dialog.h"

#include <algorithm>

#include "world/Numbers.h"
#include "world/ValueRanges.h"

namespace golmok {

Outcome Refused(std::string message) {
    return Outcome{false, {std::move(message)}, {}};
}

Outcome Carried(World& world, MenuState& menu, std::string message) {
    Outcome outcome{true, {std::move(message)}, {}};
    for (std::string& notice : ChangeValue(world, menu.SelectedCity, menu.panel))
        outcome.messages.push_back(std::move(notice));
    return outcome;
}

Outcome CarriedQuietly(World& world, MenuState& menu) {
    return Outcome{true, ChangeValue(world, menu.SelectedCity, menu.panel), {}};
}

std::optional<Outcome> RefuseUnlisted(const MenuState& menu, int chosen,
                                      const std::vector<int>& listed, const char* message) {
    if (auto refusal = RefuseNoCity(menu)) return refusal;
    if (std::find(listed.begin(), listed.end(), chosen) == listed.end()) return Refused(message);
    return std::nullopt;
}

std::optional<Outcome> RefuseNoCity(const MenuState& menu) {
    // Every command but 정보 needs a menu opened on one of the player's districts.
    if (!menu.HasCity() || !menu.SelectedCityIsOwn) return Refused(kChooseCity);
    return std::nullopt;
}

void OpenCommandDialog(MenuState& menu) {
    menu.BarTracking = true;
}

double BarAmount(double base, double offset, double fullScale, BarRounding rounding) {
    if (fullScale <= 0) return 0;
    offset = std::clamp(offset, 0.0, fullScale);
    if (rounding == BarRounding::Down) return Int(base * offset / fullScale);
    const float ratio = static_cast<float>(offset) / static_cast<float>(fullScale);
    const double p = base * static_cast<double>(ratio);
    double amount = Int(p);
    if (p - amount >= 0.5) amount += 1;
    return amount;
}

void ToggleBarTracking(MenuState& menu) {
    menu.BarTracking = !menu.BarTracking;
}

std::optional<double> AcceptTypedAmount(std::string_view text, double most) {
    auto amount = ParseWholeAmount(text);
    if (!amount || *amount > most) return std::nullopt;
    return amount;
}

std::string TypedAmountMessage(double most) {
    return "0부터 " + FormatNumber(std::max(0.0, Int(most))) + "까지의 정수를 입력해주세요.";
}

std::optional<Outcome> RefuseBadAmount(double amount, double most) {
    if (amount >= 0 && amount <= most && amount == Int(amount)) return std::nullopt;
    return Refused(TypedAmountMessage(most));
}

Gauge MakeGauge(double value, double fullScale) {
    fullScale = std::max(0.0, fullScale);
    return Gauge{std::clamp(value, 0.0, fullScale), fullScale};
}

void ChoosePerson(MenuState& menu, int human) {
    menu.SelectedHuman = human;
}

}  // namespace golmok
