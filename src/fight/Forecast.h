// 싸움 예상: how a fight would end if it were fought from its start with 자동 싸움 (F2), in the
// fight mode in force. The game has no chance in it, so the fight is simply played on a copy of
// the world, in the very steps the field plays it (`AutoStep`): the forecast is what `attack` or
// `defend` followed at once by 자동 싸움 gives. Nothing of the world changes.
#pragma once

#include <string>
#include <vector>

#include "fight/FightSetup.h"
#include "world/World.h"

namespace golmok {

enum class ForecastResult {
    Won,        // the player's side wins
    Lost,       // the player's side loses
    CalledOff,  // nobody can hurt anybody any more: the fight is called off
    WalkIn,     // an empty district: the fighters walk in
    Refused     // 확인 would be refused
};

struct FightForecast {
    ForecastResult result = ForecastResult::Refused;
    std::string refusal;  // the set-up's refusal message
    std::string
        missing;  // what is missing, in words ("진검 27개가 필요한데 창고에는 3개뿐"), if known
    int city = -1;   // the fought-over district; -1 when no target is chosen
    int owner = -1;  // the gang holding it after; -1 for none
    // The fighters who would go down, the player's side first, each side in slot order (those
    // sent out with no members or stamina included).
    std::vector<int> fallen;
    // The fighters who would end in another gang than the one they fought for, the player's
    // side first.
    std::vector<int> changed;
    bool operator==(const FightForecast&) const = default;
};

// OK on the attack screen as it stands (the weapons chosen are the world's), then 자동 싸움 at
// once, on copies.
FightForecast ForecastAttack(const World& world, const FightSetup& setup, const SetupChoice& choice,
                             int target);
// The same for the defence screen after an announced attack.
FightForecast ForecastDefence(const World& world, const FightSetup& setup,
                              const SetupChoice& choice);
// How a fight already on the field ends when it is fought by itself from here, on copies.
FightForecast ForecastFight(const World& world, const Fight& fight);

// The console's line: "forecast result=won owner=0 fallen=101,102 changed=101,102", "-" for an
// empty list.
std::string ForecastLine(const FightForecast& forecast);
// The set-ups' line in the player's words: the outcome, who would fall, who would change sides,
// who holds the district after; for a refusal, the message and what is missing.
std::string ForecastText(const World& world, const FightForecast& forecast, bool realTime);

}  // namespace golmok
