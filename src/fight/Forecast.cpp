#include "fight/Forecast.h"

#include <utility>

#include "world/Numbers.h"

namespace golmok {

namespace {

int OwnerAfter(const World& world, int city) {
    if (city < 0 || city >= kCityCount) return -1;
    return world.OwnerOf(city).value_or(-1);
}

// A refused OK or a walk-in: nobody fights.
FightForecast WithoutFight(const World& after, const SetupOutcome& out, int city) {
    FightForecast forecast;
    forecast.city = city;
    forecast.owner = OwnerAfter(after, city);
    if (out.takenOver) {
        forecast.result = ForecastResult::WalkIn;
    } else {
        forecast.result = ForecastResult::Refused;
        if (!out.outcome.messages.empty()) forecast.refusal = out.outcome.messages.front();
        forecast.missing = out.outcome.detail;
    }
    return forecast;
}

// The fight as the field opens it: the passes of its 1 ms clock first, then 자동 싸움 at once.
FightForecast Fought(World& world, Fight& fight) {
    if (!fight.over()) SettleDeaths(world, fight);
    PlayOutFight(world, fight);
    FightForecast forecast;
    switch (fight.result) {
        case FightResult::Won:
            forecast.result = ForecastResult::Won;
            break;
        case FightResult::Lost:
            forecast.result = ForecastResult::Lost;
            break;
        // Within its steps every fight ends; one that would not is as good as called off.
        case FightResult::Drawn:
        case FightResult::Running:
            forecast.result = ForecastResult::CalledOff;
            break;
    }
    forecast.city = fight.city;
    forecast.owner = OwnerAfter(world, fight.city);
    for (const auto* side : {&fight.player, &fight.enemy}) {
        for (const Fighter& f : *side) {
            if (f.human < 0) continue;
            if (!f.present) forecast.fallen.push_back(f.human);
            if (world.HumanGroup[f.human] != f.gang) forecast.changed.push_back(f.human);
        }
    }
    return forecast;
}

std::string People(const std::vector<int>& people) {
    if (people.empty()) return "-";
    std::string text;
    for (int h : people) {
        if (!text.empty()) text += ',';
        text += std::to_string(h);
    }
    return text;
}

std::string Names(const World& world, const std::vector<int>& people) {
    std::string text;
    for (int h : people) {
        if (!text.empty()) text += ", ";
        text += world.HumanName[h];
    }
    return text.empty() ? std::string("없음") : text;
}

}  // namespace

FightForecast ForecastAttack(const World& world, const FightSetup& setup, const SetupChoice& choice,
                             int target) {
    World copy = world;
    SetupOutcome out = ConfirmAttack(copy, setup, choice, target);
    if (!out.fight) return WithoutFight(copy, out, target);
    return Fought(copy, *out.fight);
}

FightForecast ForecastDefence(const World& world, const FightSetup& setup,
                              const SetupChoice& choice) {
    World copy = world;
    SetupOutcome out = ConfirmDefence(copy, setup, choice);
    if (!out.fight) return WithoutFight(copy, out, world.AttackToCity);
    return Fought(copy, *out.fight);
}

FightForecast ForecastFight(const World& world, const Fight& fight) {
    World copy = world;
    Fight played = fight;
    return Fought(copy, played);
}

std::string ForecastLine(const FightForecast& forecast) {
    static constexpr const char* kResults[] = {"won", "lost", "called-off", "walk-in", "refused"};
    return std::string("forecast result=") + kResults[static_cast<int>(forecast.result)] +
           " owner=" + std::to_string(forecast.owner) + " fallen=" + People(forecast.fallen) +
           " changed=" + People(forecast.changed);
}

std::string ForecastText(const World& world, const FightForecast& forecast, bool realTime) {
    std::string text =
        std::string("싸움 예상 (자동 싸움, ") + (realTime ? "리얼타임" : "턴") + "): ";
    const bool inRange = forecast.city >= 0 && forecast.city < kCityCount;
    const std::string holder = forecast.owner >= 0 ? world.GroupName[forecast.owner] : "주인 없음";
    switch (forecast.result) {
        case ForecastResult::Refused:
            text += "확인하면 거절됩니다. " + forecast.refusal;
            if (!forecast.missing.empty()) text += " " + forecast.missing;
            return text;
        case ForecastResult::WalkIn:
            text += "아무도 없는 구역이라 싸우지 않고 들어갑니다.";
            if (inRange) text += " " + world.CityName[forecast.city] + ": " + holder;
            return text;
        case ForecastResult::Won:
            text += "이깁니다.";
            break;
        case ForecastResult::Lost:
            text += "집니다.";
            break;
        case ForecastResult::CalledOff:
            text += "아무도 상대를 다치게 할 수 없어 싸움이 그냥 끝납니다.";
            break;
    }
    text += " 쓰러질 사람: " + Names(world, forecast.fallen) +
            ". 편을 바꿀 사람: " + Names(world, forecast.changed) + ".";
    if (inRange) text += " 싸운 뒤 " + world.CityName[forecast.city] + ": " + holder + ".";
    return text;
}

}  // namespace golmok
