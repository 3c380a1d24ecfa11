#include "world/World.h"

#include "world/Numbers.h"

namespace golmok {

const char* BattleModeName(BattleMode mode) {
    return mode == BattleMode::Real ? "Real" : "Turn";
}

std::optional<int> World::OwnerOf(int city) const {
    for (int g = 0; g < kGroupCount; ++g) {
        if (GroupColor[g] == CityOwnerColor[city]) return g;
    }
    return std::nullopt;
}

std::optional<int> World::CityIndexOf(const std::string& name) const {
    for (int c = 0; c < kCityCount; ++c) {
        if (CityName[c] == name) return c;
    }
    return std::nullopt;
}

std::optional<int> World::GroupIndexOf(const std::string& name) const {
    for (int g = 0; g < kGroupCount; ++g) {
        if (GroupName[g] == name) return g;
    }
    return std::nullopt;
}

std::optional<int> World::HumanIndexOf(const std::string& name) const {
    for (int h = 0; h < kHumanCount; ++h) {
        if (HumanName[h] == name) return h;
    }
    return std::nullopt;
}

std::vector<int> World::HumansIn(int city) const {
    std::vector<int> people;
    for (int h = 0; h < kHumanCount; ++h) {
        if (IsIn(h, city)) people.push_back(h);
    }
    return people;
}

std::vector<int> World::ActiveHumansIn(int city) const {
    std::vector<int> people;
    for (int h = 0; h < kHumanCount; ++h) {
        if (IsIn(h, city) && HumanCanAct[h]) people.push_back(h);
    }
    return people;
}

double World::FullStamina(int human) const {
    return Int((HumanAttack[human] + HumanDefence[human]) / 2);
}

}  // namespace golmok
