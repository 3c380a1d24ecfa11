// The six gangs the player does not lead. Each step runs once per turn end, in this order, with
// fixed rules and no chance; a step that uses a person marks him as having acted.
#pragma once

#include "game/TurnNews.h"
#include "world/World.h"

namespace golmok {

void CommerceAI(World& world);  // develop commerce
void MoneyAI(World& world);     // collect money
void RecruitAI(World& world);   // recruit members
void HealAI(World& world);      // heal stamina
void LoyaltyAI(World& world);   // buy back loyalty
void MoraleAI(World& world);    // train morale
void ScoutAI(World& world);     // poach people
void AttackAI(World& world);    // conquer districts and plan the attack on the player

// All eight steps in order; under 살아있는 세계 (영입 먼저) poaching comes before training. What
// they do is written into `news` when one is given.
void RunComputerGangs(World& world, TurnNews* news = nullptr);

}  // namespace golmok
