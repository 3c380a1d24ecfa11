// Whatever a slot holds, once it loads, the game plays on from it: 100 turn ends (announced
// attacks defended by themselves) leave every figure a number, and the game saves again. The
// slots are the garbled copies of a real save and the fuzzer's seeds.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "fight/FightSetup.h"
#include "game/NewWorld.h"
#include "game/TurnCycle.h"
#include "support/GarbledSlots.h"
#include "support/TestWorld.h"
#include "world/Cp949.h"
#include "world/SavedGames.h"

namespace golmok {
namespace {

namespace fs = std::filesystem;

// The first figure that is not a finite number, named; empty when all are.
std::string FirstNonFinite(const World& w) {
    auto check = [](const auto& table, const char* name) -> std::string {
        for (std::size_t i = 0; i < table.size(); ++i) {
            if (!std::isfinite(table[i])) return std::string(name) + " " + std::to_string(i);
        }
        return {};
    };
    for (const std::string& found :
         {check(w.HumanLoyalty, "HumanLoyalty"), check(w.HumanStamina, "HumanStamina"),
          check(w.HumanMembers, "HumanMembers"), check(w.HumanMorale, "HumanMorale"),
          check(w.GroupFame, "GroupFame"), check(w.GroupAlly, "GroupAlly"),
          check(w.GroupHostility, "GroupHostility"), check(w.CityPopulation, "CityPopulation"),
          check(w.CityCommerce, "CityCommerce"), check(w.CityMoney, "CityMoney"),
          check(w.CitySword, "CitySword"), check(w.CityStick, "CityStick"),
          check(w.CityKnife, "CityKnife"), check(w.CityHumanCount, "CityHumanCount"),
          check(w.CityMemberTotal, "CityMemberTotal")}) {
        if (!found.empty()) return found;
    }
    return {};
}

// A game of 흑사파 well under way, saved as the game saves it.
std::string RealSave(const World& start) {
    World w = start;
    ChooseGroup(w, 6);
    for (int turn = 0; turn < 20; ++turn) {
        EndTurn(w);
        if (w.DefenceSetupOpen) DefendByItself(w);
    }
    return EncodeCp949(SaveText(w)).value();
}

TEST(LoadedGames, PlayOnForAHundredTurnsAndSaveAgain) {
    const World start = BuildNewWorld(test::ShippedData());
    std::vector<std::string> slots = test::GarbledSlots(RealSave(start));
    const fs::path corpus = fs::path(GOLMOK_TESTS_DIR) / "fuzz" / "corpus" / "slot";
    for (const auto& entry : fs::directory_iterator(corpus))
        slots.push_back(test::ReadFile(entry.path()));

    int loaded = 0;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        World w = start;
        if (ReadSaveBytes(slots[i], w).state != SlotState::Game) continue;
        ++loaded;
        for (int turn = 0; turn < 100; ++turn) {
            EndTurn(w);
            if (w.DefenceSetupOpen) DefendByItself(w);
        }
        ASSERT_EQ(FirstNonFinite(w), "") << "slot " << i;
        ASSERT_FALSE(w.MapLocked) << "slot " << i;
        const std::optional<SavedFieldProblem> problem = CheckSavedFields(w);
        ASSERT_FALSE(problem.has_value()) << "slot " << i << ": " << problem->why;
        World again = start;
        ASSERT_EQ(ReadSaveText(SaveText(w), again).state, SlotState::Game) << "slot " << i;
    }
    // The garbling left enough slots loadable for the property to mean something.
    EXPECT_GT(loaded, 100);
}

}  // namespace
}  // namespace golmok
