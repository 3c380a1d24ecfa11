// The turn end keeps where everybody stands as indexes from one week to the next. What it keeps is
// only a faster way to the same game: whole idle games give every figure of every week as the
// turn end gave it before it kept anything, and moves made between turn ends by anything else are
// followed.
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

// FNV-1a over what the turn end moves: owners, everybody's place, gang and figures, the districts'
// money and commerce and the gangs' fame.
class Fingerprint {
  public:
    void Add(const World& w) {
        for (int c = 0; c < kCityCount; ++c) {
            Mix(w.CityOwnerColor[c]);
            Mix(w.CityMoney[c]);
            Mix(w.CityCommerce[c]);
        }
        for (int h = 0; h < kHumanCount; ++h) {
            Mix(w.HumanCity[h]);
            Mix(w.HumanGroup[h]);
            for (double value :
                 {w.HumanLoyalty[h], w.HumanStamina[h], w.HumanMembers[h], w.HumanMorale[h]}) {
                Mix(value);
            }
        }
        for (int g = 0; g < kGroupCount; ++g)
            Mix(w.GroupFame[g]);
    }
    std::string Hex() const {
        char text[20];
        std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash_));
        return text;
    }

  private:
    void Byte(unsigned char b) {
        hash_ ^= b;
        hash_ *= 1099511628211ULL;
    }
    void Mix(const std::string& text) {
        for (char ch : text)
            Byte(static_cast<unsigned char>(ch));
        Byte(0);
    }
    void Mix(double value) { Mix(std::to_string(value)); }
    void Mix(Color value) { Mix(static_cast<double>(value)); }

    std::uint64_t hash_ = 14695981039346656037ULL;
};

// 300 idle weeks of the shipped world, every announced attack fought out by itself.
std::string IdleGame(int player, const Options& options) {
    World w = BuildNewWorld(test::ShippedData());
    w.options = options;
    ChooseGroup(w, player);
    Fingerprint print;
    for (int turn = 1; turn <= 300; ++turn) {
        EndTurn(w);
        if (w.DefenceSetupOpen) {
            const std::optional<Fight> fight = DefendByItself(w);
            if (!fight || !fight->over()) {
                w.DefenceSetupOpen = false;
                UnlockMap(w);
            }
        }
        print.Add(w);
    }
    return print.Hex();
}

// Per player's gang, with every opt-in rule off, and with all three on. Those with the rules off
// were recorded from the turn end as it was before it kept anything between weeks; those with all
// three on were recorded again when 영입 먼저 joined 살아있는 세계, from a turn end made to look
// everybody up afresh every week.
struct Recorded {
    int player;
    const char* off;
    const char* living;
};
constexpr Recorded kRecorded[] = {
    {0, "4d4bc0683db5a6d4", "c20bd2dec43ad183"}, {1, "b12bea855166c6f7", "cab16aa6948012ec"},
    {3, "37586bba61fcc0db", "ce67d86b405a5e03"}, {4, "c3e6d8942115e32f", "d78d8a62d424c3a0"},
    {6, "842cb6b846c5e74e", "a445834bebf5f858"},
};

TEST(TurnEndIndex, WholeIdleGamesAsBefore) {
    Options living;
    living.truce = true;
    living.strongGangs = true;
    living.living = true;
    for (const Recorded& k : kRecorded) {
        SCOPED_TRACE(k.player);
        EXPECT_EQ(IdleGame(k.player, Options{}), k.off);
        EXPECT_EQ(IdleGame(k.player, living), k.living);
    }
}

// Between turn ends anything may move people or change their gang (a command, a fight, a loaded
// game) and a new world brings new names. The turn end with the index it kept must play exactly
// as one that looks everybody up afresh.
TEST(TurnEndIndex, FollowsWhatChangesBetweenTurnEnds) {
    for (const bool living : {false, true}) {
        SCOPED_TRACE(living ? "살아있는 세계 on" : "off");
        World kept = BuildNewWorld(test::ShippedData());
        kept.options.living = living;
        ChooseGroup(kept, 2);
        for (int turn = 1; turn <= 120; ++turn) {
            kept.HumanCity[(turn * 37) % kHumanCount] = kept.CityName[(turn * 11) % kCityCount];
            kept.HumanGroup[(turn * 53) % kHumanCount] = kept.GroupName[turn % kGroupCount];
            if (turn % 10 == 0) {
                const int dismissed = (turn * 7) % kHumanCount;
                kept.HumanCity[dismissed] = kJoblessCity;
                kept.HumanGroup[dismissed] = kJoblessGroup;
            }
            // A person named after a gang's boss, as a new world could bring.
            if (turn == 60) kept.HumanName[150] = kept.GroupBossName[turn % kGroupCount];
            World fresh = kept;
            fresh.turnIndex = TurnIndex{};
            const auto messages = EndTurn(kept);
            ASSERT_EQ(EndTurn(fresh), messages) << "turn " << turn;
            ASSERT_EQ(kept, fresh) << "turn " << turn;
            for (World* w : {&kept, &fresh}) {
                w->MapLocked = false;
                w->DefenceSetupOpen = false;
            }
        }
    }
}

}  // namespace
}  // namespace golmok
