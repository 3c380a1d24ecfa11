#include "game/ComputerGangs.h"

namespace golmok {

// The steps' rules are being written; until then the computer gangs stand still.
void CommerceAI(World&) {}
void MoneyAI(World&) {}
void RecruitAI(World&) {}
void HealAI(World&) {}
void LoyaltyAI(World&) {}
void MoraleAI(World&) {}
void ScoutAI(World&) {}
void AttackAI(World&) {}

void RunComputerGangs(World& world) {
    CommerceAI(world);
    MoneyAI(world);
    RecruitAI(world);
    HealAI(world);
    LoyaltyAI(world);
    MoraleAI(world);
    ScoutAI(world);
    AttackAI(world);
}

}  // namespace golmok
