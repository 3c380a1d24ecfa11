// 정보 > 인물정보, 조직정보: read-only views of people and gangs, open in any district. Neither
// changes the world, selects anybody, spends an action or touches the amount bar.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "commands/Listing.h"
#include "commands/MenuState.h"
#include "world/World.h"

namespace golmok {

// --- Person view (인물정보) ----------------------------------------------------------------
// Everybody standing in the selected district, of any gang and rank.
std::vector<int> PersonInfoList(const World& world, const MenuState& menu);
Listing PersonInfoListing(const World& world, const MenuState& menu);

// Captions of the ten figures, in the order PersonFigures gives them.
inline constexpr std::array<const char*, 10> kPersonFigureCaptions = {
    "충성 :", "공격 :", "방어 :", "매력 :",     "민첩 :",
    "체력 :", "지력 :", "통솔 :", "조직원수 :", "조직원사기 :"};

// Loyalty, attack, defence, charm, agility, stamina, intelligence, leadership, members, morale.
std::array<double, 10> PersonFigures(const World& world, int human);

// Who a person is beyond his figures: his gang, his rank, and whether he has acted this week.
struct PersonStanding {
    std::string gang;  // his gang's name as it stands (백수파 after a dismissal)
    std::string rank;
    bool acted = false;  // he may not act again before the next turn end
    bool operator==(const PersonStanding&) const = default;
};
PersonStanding PersonStandingOf(const World& world, int human);
inline constexpr const char* kActedText = "행동함";
inline constexpr const char* kNotActedText = "아직 안 함";

// --- Group view (조직정보) -----------------------------------------------------------------
// The seven gangs, in index order.
std::vector<int> GroupInfoList(const World& world);

// The eight labels of the group view. A label nothing was added to stays empty: money and
// weapons of a gang holding no district, people and members of a gang with nobody, the boss of a
// gang whose boss no longer carries the boss rank in it.
struct GroupFigures {
    std::optional<double> money;  // of the districts the gang holds
    double fame = 0;
    std::string boss;
    std::optional<double> people;   // everybody of the gang, wherever he stands
    std::optional<double> members;  // the members they lead
    std::optional<double> sword, knife, stick;
    bool operator==(const GroupFigures&) const = default;
};
GroupFigures GroupInfoFigures(const World& world, int group);

// Where the gang stands with the player: the districts it holds (in index order), its hostility
// and whether it is allied with him.
struct GroupRelations {
    std::vector<int> districts;
    double hostility = 0;
    bool ally = false;
    bool operator==(const GroupRelations&) const = default;
};
GroupRelations GroupRelationsOf(const World& world, int group);

}  // namespace golmok
