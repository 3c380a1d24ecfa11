#include "world/ValueRanges.h"

#include "world/Numbers.h"

namespace golmok {

std::array<std::string, kPanelRowCount> PanelFigures(const World& world, int city,
                                                     bool countJobless, double fame) {
    std::array<std::string, kPanelRowCount> rows;
    rows[0] = FormatNumber(world.CityPopulation[city]);
    rows[1] = FormatNumber(world.CityCommerce[city]);
    rows[2] = FormatNumber(world.CityMoney[city]);
    rows[4] = FormatNumber(world.CityStick[city]);
    rows[5] = FormatNumber(world.CitySword[city]);
    rows[7] = FormatNumber(world.CityKnife[city]);
    rows[8] = FormatNumber(fame);
    // Nobody counted leaves the rows empty, not 0.
    int people = 0;
    double members = 0;
    for (int h = 0; h < kHumanCount; ++h) {
        if (!world.IsIn(h, city)) continue;
        if (!countJobless && world.HumanRank[h] == kJoblessRank) continue;
        ++people;
        members += world.HumanMembers[h];
    }
    if (people > 0) {
        rows[3] = FormatNumber(people);
        rows[6] = FormatNumber(members);
    }
    return rows;
}

std::vector<std::string> ChangeValue(World& world, int city, Panel& panel) {
    for (int h = 0; h < kHumanCount; ++h) {
        if (world.HumanLoyalty[h] > 100) world.HumanLoyalty[h] = 100;
        if (world.HumanMembers[h] > 100) world.HumanMembers[h] = 100;
    }
    std::vector<std::string> notices;
    if (city < 0 || city >= kCityCount) return notices;

    // The fame row shows the player's own fame here, whoever owns the district.
    const auto fresh = PanelFigures(world, city, false, world.GroupFame[world.PlayerGroupIndex]);
    for (int k = 0; k < kPanelRowCount; ++k) {
        std::string shown = TrimSpaces(panel.rows[k]);
        std::string next = TrimSpaces(fresh[k]);
        if (world.options.notices && shown != next) {
            double diff = ReadNumber(next) - ReadNumber(shown);
            notices.push_back(std::string(kPanelRowNames[k]) +
                              (diff >= 0 ? "이(가) +" : "이(가) ") + (diff >= 0 ? " " : "") +
                              FormatNumber(diff) + "이 되었습니다.");
        }
        panel.rows[k] = next;
    }
    return notices;
}

namespace {

// Strict comparisons: a value equal to a bound stays as it is.
void Clamp(double& value, double low, double high) {
    if (value < low) value = low;
    if (value > high) value = high;
}

}  // namespace

void ErrorCheck(World& world) {
    for (int h = 0; h < kHumanCount; ++h) {
        Clamp(world.HumanLoyalty[h], 0, 100);
        Clamp(world.HumanStamina[h], 0, world.FullStamina(h));
        Clamp(world.HumanMembers[h], 0, world.HumanLeadership[h]);
        Clamp(world.HumanMorale[h], 0, 100);
    }
    for (int g = 0; g < kGroupCount; ++g)
        Clamp(world.GroupHostility[g], 0, 100);
    for (int c = 0; c < kCityCount; ++c) {
        Clamp(world.CityCommerce[c], 0, 100);
        if (world.CityMoney[c] < 0) world.CityMoney[c] = 0;
    }
}

}  // namespace golmok
