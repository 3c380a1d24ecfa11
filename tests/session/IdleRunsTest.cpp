// Whole games on the shipped world with a player who only ends the turn, every announced attack
// fought out by itself: the opt-in rules, left off, must not change a single owner in any week.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include "fight/FightSetup.h"
#include "game/NewWorld.h"
#include "game/TurnCycle.h"
#include "support/TestWorld.h"
#include "world/SharedRoutines.h"

namespace golmok {
namespace {

constexpr int kTurns = 300;

// FNV-1a over every district's owner after every turn end (and at the start), with the turn end
// that announced each attack on the player: one number that changes when any owner in any week
// does.
std::uint64_t IdleRunFingerprint(int player, Options options) {
    World w = BuildNewWorld(test::ShippedData());
    w.options = options;
    ChooseGroup(w, player);
    std::uint64_t hash = 14695981039346656037ULL;
    auto mix = [&](int value) {
        hash ^= static_cast<std::uint64_t>(value + 1);
        hash *= 1099511628211ULL;
    };
    for (int turn = 0; turn <= kTurns; ++turn) {
        if (turn > 0) {
            EndTurn(w);
            if (w.DefenceSetupOpen) {
                mix(1000 + turn);
                const std::optional<Fight> fight = DefendByItself(w);
                if (!fight || !fight->over()) {
                    w.DefenceSetupOpen = false;
                    UnlockMap(w);
                }
            }
        }
        int held = 0;
        for (int c = 0; c < kCityCount; ++c) {
            mix(w.OwnerOf(c).value_or(-1));
            held += w.IsPlayerCity(c) ? 1 : 0;
        }
        if (held == 0 || held == kCityCount) break;  // the game is over
    }
    return hash;
}

std::string Hex(std::uint64_t value) {
    char text[20];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

// Recorded from the turn end as it was before the opt-in rules existed, one per player's gang.
constexpr const char* kRecorded[kGroupCount] = {
    "0a18c03f5fde246f", "c4312dced20c0a02", "b45703ea7e306d69", "5fe391c9f4f90dd9",
    "ae77f9a13c45d6bc", "07ce6db1e58f0f33", "66b8c67e20a06ea7",
};

TEST(IdleRuns, RulesOffGiveTheOwnersOfEveryWeekAsBefore) {
    for (int player = 0; player < kGroupCount; ++player) {
        SCOPED_TRACE(player);
        EXPECT_EQ(Hex(IdleRunFingerprint(player, Options{})), kRecorded[player]);
    }
}

// The fingerprint does see the rules: with 초반 휴전 on, 지존파 is no longer attacked in the first
// week, and the whole run goes another way.
TEST(IdleRuns, TheTruceTurnsAsideTheFirstWeeksAttack) {
    Options truce;
    truce.truce = true;
    EXPECT_NE(Hex(IdleRunFingerprint(1, truce)), kRecorded[1]);
}

}  // namespace
}  // namespace golmok
