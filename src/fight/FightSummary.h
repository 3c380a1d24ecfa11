// What a fight came to, told once it is over in one message: who fell on either side, who now
// belongs to another gang than the one he fought for, and who holds the district now.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "fight/Fight.h"
#include "world/World.h"

namespace golmok {

struct FightSummary {
    std::vector<int> playerFallen;  // the player's fighters who went down, in slot order
    std::vector<int> enemyFallen;   // the computer's, in slot order
    std::vector<int> turned;        // fighters of either side now in another gang, player's first
    int city = -1;                  // the fought-over district
    std::optional<int> holder;      // the gang whose colour it shows now
    // Fighters of either side, player's first, who went out with no members or no stamina and
    // fell before a blow was struck: they are never on the board, so they are told apart from
    // the fallen.
    std::vector<int> unfit;
    bool operator==(const FightSummary&) const = default;
};

// Read from the fight's pieces and the world after the result was applied.
FightSummary SummarizeFight(const World& world, const Fight& fight);

// The summary as the player reads it, one line for each of the three points.
std::string FightSummaryText(const World& world, const FightSummary& summary);

}  // namespace golmok
