#include "session/Session.h"

#include <utility>

#include "game/NewWorld.h"

namespace golmok {

GameEnd CheckGameEnd(World& world) {
    world.WorkSlot[0] = 1;  // every district is the player's
    world.WorkSlot[1] = 1;  // no district is
    for (int c = 0; c < kCityCount; ++c) {
        if (world.IsPlayerCity(c)) {
            world.WorkSlot[1] = 0;
        } else {
            world.WorkSlot[0] = 0;
        }
    }
    if (world.WorkSlot[0] != 0) return GameEnd::Victory;
    if (world.WorkSlot[1] != 0) return GameEnd::Defeat;
    return GameEnd::Running;
}

Session::Session(World startWorld) : start_(std::move(startWorld)), world_(start_) {}

std::vector<std::string> Session::StartNewGame(int group) {
    World fresh = start_;
    fresh.options = world_.options;
    fresh.BattleMode = world_.BattleMode;
    ChooseGroup(fresh, group);
    world_ = std::move(fresh);
    fight_.reset();
    running_ = true;
    ending_ = GameEnd::Running;
    return {kStartMessage};
}

void Session::QuitToTitle() {
    world_.panel.open = false;
    world_.reorg = ReorgDialog{};
    fight_.reset();
    running_ = false;
}

void Session::ShowGame(World world) {
    world.panel.open = false;
    world.reorg = ReorgDialog{};
    // The map opens anew, unfrozen: a fight is never saved, and one left behind by a game the
    // player walked away from (its map window closed mid-fight) must not freeze the loaded one.
    world.MapLocked = false;
    world.DefenceSetupOpen = false;
    world_ = std::move(world);
    fight_.reset();
    running_ = true;
    ending_ = GameEnd::Running;
}

std::string Session::AnnounceGameEnd() {
    if (!running_) return {};
    ending_ = CheckGameEnd(world_);
    if (ending_ == GameEnd::Running) return {};
    running_ = false;
    world_.panel.open = false;
    world_.reorg = ReorgDialog{};
    return ending_ == GameEnd::Victory ? kVictoryMessage : kDefeatMessage;
}

}  // namespace golmok
