#include "session/Session.h"

#include <system_error>
#include <utility>

#include "commands/Training.h"
#include "game/NewWorld.h"
#include "game/NewsFile.h"
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
    news_ = WeekNews{};
    chronicle_ = StartChronicle(world_);
    running_ = true;
    ending_ = GameEnd::Running;
    return {kStartMessage};
}

void Session::QuitToTitle() {
    CloseMenu();
    fight_.reset();
    news_ = WeekNews{};
    running_ = false;
}

void Session::ShowGame(World world, std::optional<Chronicle> chronicle,
                       std::optional<WeekNews> news) {
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
    if (news) {
        news_ = std::move(*news);
    } else {
        news_ = WeekNews{};
        news_.kept = false;
    }
    chronicle_ =
        chronicle && chronicle->Fits(world_) ? std::move(*chronicle) : StartChronicle(world_);
}

std::vector<std::string> Session::EndTurn(const std::filesystem::path& saveFolder) {
    // The week that ends keeps the standings its fights left.
    chronicle_.Note(world_);
    TurnNews events;
    std::vector<std::string> messages = golmok::EndTurn(world_, &events);
    news_ = NextWeekNews(news_, std::move(events));
    chronicle_.Note(world_);
    if (world_.MapLocked) {
        // An attack was announced: the defence set-up takes the screen.
        CloseMenu();
    } else if (menu_.panel.open) {
        // The computer gangs may have changed the district's figures or taken it.
        OpenCommandMenu(world_, menu_, menu_.SelectedCity);
        FollowMenu();
    }
    // An announced attack is not saved before it is fought: the autosave keeps the week before,
    // whose turn end brings the same attack again, so a killed game cannot dodge it. A game that
    // has just ended has nothing to resume.
    const bool over = CheckGameEnd(world_) != GameEnd::Running;
    if (world_.options.autosave && !saveFolder.empty() && !world_.DefenceSetupOpen && !over) {
        if (auto failure = SaveTo(saveFolder, kAutosaveSlot)) messages.push_back(*failure);
    }
    return messages;
}

const Chronicle& Session::chronicle() {
    if (running_) chronicle_.Note(world_);
    return chronicle_;
}

std::optional<std::string> Session::SaveTo(const std::filesystem::path& folder, int slot) {
    // The player's data folder of an installed game may not exist before the first save. If it
    // cannot be made, the save says why.
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    if (auto failure = SaveGame(world_, folder, slot)) return failure;
    // The slot holds the game whatever becomes of its chronicle: one that cannot be written is
    // started afresh when the slot is loaded.
    SaveChronicle(chronicle(), SlotPath(folder, slot));
    SaveNews(news_, world_, SlotPath(folder, slot));
    return std::nullopt;
}

SlotGame ReadSlotGame(const World& base, const std::filesystem::path& folder, int slot) {
    SlotGame game{{}, base, std::nullopt, std::nullopt};
    game.result = LoadGame(game.world, folder, slot);
    if (game.result.state == SlotState::Game)
        game.chronicle = LoadChronicle(SlotPath(folder, slot));
    if (game.result.state == SlotState::Game)
        game.news = LoadNews(game.world, SlotPath(folder, slot));
    return game;
}

LoadResult Session::LoadFrom(const std::filesystem::path& folder, int slot) {
    SlotGame game = ReadSlotGame(world_, folder, slot);
    if (game.result.state == SlotState::Game)
        ShowGame(std::move(game.world), std::move(game.chronicle), std::move(game.news));
    return game.result;
}

bool Session::CanContinue(const std::filesystem::path& folder) const {
    World copy = world_;
    return LoadGame(copy, folder, kAutosaveSlot).state == SlotState::Game;
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
