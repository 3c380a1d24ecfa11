// The district at a glance: what a player wants to know of a district before he picks a target or
// leaves it, and, on request, what the next turn end would do to him if he did nothing more. The
// map's tooltip and status line and the console's `outlook` all read it from here.
#pragma once

#include <string>

#include "world/World.h"

namespace golmok {

struct DistrictGlance {
    int owner = -1;       // the gang whose colour the district shows; -1 for none
    int people = 0;       // people standing there, of any gang
    double members = 0;   // their members
    double swords = 0;    // the district's weapons: 진검
    double knives = 0;    //                         사시미
    double sticks = 0;    //                         각목
    double strength = 0;  // members + stamina of its five strongest people
    bool empty = true;    // nobody stands there

    bool operator==(const DistrictGlance&) const = default;
};

// How many of its strongest people a district's strength counts: a party is at most five.
inline constexpr int kStrengthPeople = 5;

DistrictGlance GlanceAt(const World& world, int city);

// 다음 주 예상: the next turn end run on a copy of the world, the player doing nothing more. The
// game has no chance in it, so this is exactly what will happen unless he acts.
struct NextWeekPreview {
    CityTable<bool> threatened{};  // a computer gang attacks, walks into or takes back the district
    HumanTable<bool> lured{};      // a person of the player's gang a rival gang lures away
};
NextWeekPreview PreviewNextTurnEnd(const World& world);

// The console's line: "outlook city=7 owner=0 people=5 members=159 strength=612 empty=False
// threatened=-", with "-" when there is no preview.
std::string OutlookLine(const World& world, int city, const NextWeekPreview* preview);

// The map's words for the district: its name and owner, then its people, members, weapons,
// strength and money, and with a preview what the next turn end threatens there.
std::string DistrictStatusText(const World& world, int city, const NextWeekPreview* preview);

}  // namespace golmok
