// Why a dialog's list is empty. A list that holds nobody says so in one line, so the player is
// never left before a blank list wondering whether the game is broken: everybody has acted this
// week, everybody is at full stamina, nobody leads members, ... The reason comes from the same
// conditions that fill the list, written once here as rules.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "commands/MenuState.h"
#include "world/World.h"

namespace golmok {

// The common reasons.
inline constexpr const char* kNobodyHere = "이 구역에는 사람이 없습니다.";
inline constexpr const char* kEveryoneActed = "이 구역 사람들은 이번 주에 모두 행동했습니다.";
inline constexpr const char* kNoRivalDistrict = "다른 조직의 구역이 없습니다.";

// A list as a dialog shows it: its entries (people, districts or gangs, in list order) and, when
// there are none, the line that says why; an empty text while the list holds anybody.
struct Listing {
    std::vector<int> entries;
    std::string whyEmpty;
    bool operator==(const Listing&) const = default;
};

// One condition of a person list, and what the dialog says when it leaves nobody.
struct ListRule {
    std::function<bool(int)> keeps;
    const char* whyNobody;
};

// The people of `city` who pass every rule, in index order. When nobody does, the reason is that
// of the first rule that turned the last candidates away, or kNobodyHere when nobody stands there.
Listing ListPeopleIn(const World& world, int city, const std::vector<ListRule>& rules);

// The same for the district of the command menu: the person list of most dialogs.
Listing ListPeople(const World& world, const MenuState& menu, const std::vector<ListRule>& rules);

// The rule of most commands: the person may still act this week.
ListRule MayStillAct(const World& world);

// A list of districts or gangs, which is empty for one reason only.
Listing Explained(std::vector<int> entries, const char* whyNone);

}  // namespace golmok
