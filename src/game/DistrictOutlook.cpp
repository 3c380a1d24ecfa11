#include "game/DistrictOutlook.h"

#include <algorithm>
#include <array>

#include "game/TurnCycle.h"
#include "game/TurnNews.h"
#include "world/Numbers.h"

namespace golmok {

DistrictGlance GlanceAt(const World& w, int city) {
    DistrictGlance glance;
    if (auto owner = w.OwnerOf(city)) glance.owner = *owner;
    glance.swords = w.CitySword[city];
    glance.knives = w.CityKnife[city];
    glance.sticks = w.CityStick[city];
    // The five strongest by members + stamina; among equals the first by index, as every scan
    // of the game chooses.
    std::array<double, kStrengthPeople> strongest{};
    int counted = 0;
    for (int h = 0; h < kHumanCount; ++h) {
        if (w.HumanCity[h] != w.CityName[city]) continue;
        glance.people += 1;
        glance.members += w.HumanMembers[h];
        const double strength = w.HumanMembers[h] + w.HumanStamina[h];
        if (counted < kStrengthPeople) {
            strongest[counted++] = strength;
        } else {
            auto weakest = std::min_element(strongest.begin(), strongest.end());
            if (strength > *weakest) *weakest = strength;
        }
    }
    for (int i = 0; i < counted; ++i)
        glance.strength += strongest[i];
    glance.empty = glance.people == 0;
    return glance;
}

NextWeekPreview PreviewNextTurnEnd(const World& world) {
    NextWeekPreview preview;
    World next = world;
    TurnNews news;
    EndTurn(next, &news);
    for (const TurnEvent& e : news) {
        const bool inRange = e.city >= 0 && e.city < kCityCount;
        const bool falls = e.kind == TurnEventKind::Attack || e.kind == TurnEventKind::Taken ||
                           e.kind == TurnEventKind::Comeback;
        if (falls && inRange) preview.threatened[e.city] = true;
        // The people of the player's gang as they stand now, whoever lures them on later.
        if (e.kind == TurnEventKind::Poached && e.human >= 0 && e.human < kHumanCount &&
            world.HumanGroup[e.human] == world.PlayerGroupName &&
            e.gang != world.PlayerGroupIndex) {
            preview.lured[e.human] = true;
        }
    }
    return preview;
}

std::string OutlookLine(const World& world, int city, const NextWeekPreview* preview) {
    const DistrictGlance g = GlanceAt(world, city);
    const auto truth = [](bool value) { return value ? "True" : "False"; };
    return "outlook city=" + std::to_string(city) + " owner=" + std::to_string(g.owner) +
           " people=" + std::to_string(g.people) + " members=" + FormatNumber(g.members) +
           " strength=" + FormatNumber(g.strength) + " empty=" + truth(g.empty) +
           " threatened=" + (preview ? truth(preview->threatened[city]) : "-");
}

std::string DistrictStatusText(const World& world, int city, const NextWeekPreview* preview) {
    const DistrictGlance g = GlanceAt(world, city);
    std::string owner = g.owner >= 0 ? world.GroupName[g.owner] : "주인 없음";
    if (g.owner >= 0 && g.owner == world.PlayerGroupIndex) {
        owner += " (우리)";
    } else if (g.owner >= 0 && world.GroupAlly[g.owner] == 1) {
        owner += " (동맹)";
    }
    std::string text = world.CityName[city] + " · " + owner + " · ";
    text += g.empty ? std::string("빈 곳")
                    : "사람 " + std::to_string(g.people) + "명, 조직원 " + FormatMoney(g.members) +
                          "명, 힘 " + FormatMoney(g.strength);
    text += " · 진검 " + FormatMoney(g.swords) + ", 사시미 " + FormatMoney(g.knives) + ", 각목 " +
            FormatMoney(g.sticks) + " · 돈 " + FormatMoney(world.CityMoney[city]);
    if (preview != nullptr) {
        if (preview->threatened[city]) text += " · 다음 주에 공격받습니다";
        std::string lured;
        for (int h = 0; h < kHumanCount; ++h) {
            if (preview->lured[h] && world.HumanCity[h] == world.CityName[city])
                lured += (lured.empty() ? "" : ", ") + world.HumanName[h];
        }
        if (!lured.empty()) text += " · 꾐에 넘어갈 사람: " + lured;
    }
    return text;
}

}  // namespace golmok
