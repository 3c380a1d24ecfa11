#include "session/Session.h"

#include <utility>

#include "commands/Training.h"
#include "game/NewWorld.h"
#include "game/TurnCycle.h"

namespace golmok {

GameEnd CheckGameEnd(const World& world) {
    bool all = true;   // every district is the player's
    bool none = true;  // no district is
    for (int c = 0; c < kCityCount; ++c) {
        if (world.IsPlayerCity(c)) {
            none = false;
        } else {
            all = false;
        }
    }
    if (all) return GameEnd::Victory;
    if (none) return GameEnd::Defeat;
    return GameEnd::Running;
}

Session::Session(World startWorld) : start_(std::move(startWorld)), world_(start_) {}

std::vector<std::string> Session::StartNewGame(int group) {
    World fresh = start_;
    fresh.options = world_.options;
    fresh.BattleMode = world_.BattleMode;
    ChooseGroup(fresh, group);
    world_ = std::move(fresh);
    menu_ = MenuState{};
    fight_.reset();
    running_ = true;
    ending_ = GameEnd::Running;
    return {kStartMessage};
}

void Session::QuitToTitle() {
    CloseMenu();
    fight_.reset();
    running_ = false;
}

void Session::ShowGame(World world) {
    // A loaded game opens with no district clicked.
    menu_ = MenuState{};
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
    CloseMenu();
    return ending_ == GameEnd::Victory ? kVictoryMessage : kDefeatMessage;
}

void Session::StartFight(Fight fight) {
    // Nothing may change the world under a fight: the command menu closes, and its dialogs.
    CloseMenu();
    fight_ = std::move(fight);
}

void Session::CloseMenu() {
    CloseCommandMenu(menu_);
    CloseReorganizing(menu_);
}

bool Session::ClickCity(int city) {
    if (!running_ || world_.MapLocked || city < 0 || city >= kCityCount) return false;
    const bool moved = menu_.SelectedCity != city;
    OpenCommandMenu(world_, menu_, city);
    if (moved) FollowMenu();
    return moved;
}

std::vector<std::string> Session::EndTurn() {
    std::vector<std::string> messages = golmok::EndTurn(world_);
    if (world_.MapLocked) {
        // An attack was announced: the defence set-up takes the screen.
        CloseMenu();
    } else if (menu_.panel.open) {
        // The computer gangs may have changed the district's figures or taken it.
        OpenCommandMenu(world_, menu_, menu_.SelectedCity);
        FollowMenu();
    }
    return messages;
}

bool Session::DialogFollows(Menu dialogMenu) const {
    return running_ && !world_.MapLocked && menu_.panel.open && MenuEnabled(menu_, dialogMenu);
}

void Session::FollowMenu() {
    if (!menu_.reorg.open) return;
    // What was left in the pool is lost, as when the dialog is closed.
    if (DialogFollows(Menu::Action)) {
        OpenReorganizing(world_, menu_);
    } else {
        CloseReorganizing(menu_);
    }
}

}  // namespace golmok
