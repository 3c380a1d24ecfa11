#include "commands/Listing.h"

#include <utility>

namespace golmok {

Listing ListPeopleIn(const World& world, int city, const std::vector<ListRule>& rules) {
    Listing listing;
    if (city < 0 || city >= kCityCount) {
        listing.whyEmpty = kNobodyHere;
        return listing;
    }
    listing.entries = world.HumansIn(city);
    const char* why = kNobodyHere;
    for (const ListRule& rule : rules) {
        if (listing.entries.empty()) break;
        std::erase_if(listing.entries, [&](int h) { return !rule.keeps(h); });
        why = rule.whyNobody;
    }
    if (listing.entries.empty()) listing.whyEmpty = why;
    return listing;
}

Listing ListPeople(const World& world, const MenuState& menu, const std::vector<ListRule>& rules) {
    return ListPeopleIn(world, menu.SelectedCity, rules);
}

ListRule MayStillAct(const World& world) {
    return {[&world](int h) { return world.HumanCanAct[h]; }, kEveryoneActed};
}

Listing Explained(std::vector<int> entries, const char* whyNone) {
    Listing listing{std::move(entries), {}};
    if (listing.entries.empty()) listing.whyEmpty = whyNone;
    return listing;
}

}  // namespace golmok
