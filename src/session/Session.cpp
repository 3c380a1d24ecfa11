#include "session/Session.h"

#include <algorithm>
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
    RestartChronicle(StartChronicle(world_));
    running_ = true;
    ending_ = GameEnd::Running;
    // A game not played yet has nothing to lose.
    MarkSaved();
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
    std::optional<Chronicle> fitted;
    if (chronicle) fitted = FitChronicle(std::move(*chronicle), world_);
    RestartChronicle(fitted ? std::move(*fitted) : StartChronicle(world_));
    MarkSaved();
}

void Session::MarkSaved() {
    savedText_ = SaveText(world_);
}

bool Session::ChangedSinceSave() const {
    if (!running_ || ending_ != GameEnd::Running) return false;
    return savedText_.empty() || SaveText(world_) != savedText_;
}

void Session::RestartChronicle(Chronicle chronicle) {
    chronicle_ = std::move(chronicle);
    saves_.Restart();
}

std::vector<std::string> Session::EndTurn(const std::filesystem::path& saveFolder) {
    if (CalendarEnds(world_)) return {kCalendarEndMessage};
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
        FollowMenu(false);
    }
    // An announced attack is not saved before it is fought: the autosave keeps the week before,
    // whose turn end brings the same attack again, so a killed game cannot dodge it. A game that
    // has just ended has nothing to resume.
    const bool over = CheckGameEnd(world_) != GameEnd::Running;
    if (world_.options.autosave && !saveFolder.empty() && !world_.DefenceSetupOpen && !over) {
        if (holding_) {
            held_ = HeldSave{saveFolder, world_, news_, chronicle_.weeks.size()};
        } else {
            MarkSaved();
            std::vector<std::string> failures = WriteAutosave(MakeSaveOrder(
                saveFolder, kAutosaveSlot, world_, news_, chronicle_.weeks.size()));
            if (!failures.empty()) savedText_.clear();
            for (std::string& failure : failures)
                messages.push_back(std::move(failure));
        }
    }
    return messages;
}

std::vector<std::string> Session::ReleaseAutosave() {
    holding_ = false;
    if (!held_) return {};
    HeldSave held = std::move(*held_);
    held_.reset();
    // The game kept is the one of the last turn end of the line, not necessarily the one on the
    // map now (a fight may have been announced since).
    savedText_ = SaveText(held.world);
    std::vector<std::string> failures = WriteAutosave(
        MakeSaveOrder(held.folder, kAutosaveSlot, held.world, held.news, held.weeks));
    if (!failures.empty()) savedText_.clear();
    return failures;
}

std::vector<std::string> Session::WriteAutosave(SaveOrder order) {
    if (background_) {
        saves_.writer->Queue(std::move(order));
        return {};
    }
    return saves_.writer->SaveNow(order);
}

bool Session::CalendarEnded() const {
    return CalendarEnds(world_);
}

bool Session::WaitForSaves() {
    if (saves_.writer->Wait(waitLimit_)) return true;
    // The chronicle the writer had is gone with the save it gave up, and the game is not kept.
    saves_.Restart();
    savedText_.clear();
    return false;
}

std::vector<std::string> Session::FinishSaves() {
    WaitForSaves();
    return TakeSaveFailures();
}

void Session::UseFileSystem(FileSystem& files) {
    saves_.writer = std::make_unique<SaveWriter>(files);
    saves_.Restart();
}

std::vector<std::string> Session::TakeSaveFailures() {
    std::vector<std::string> failures = saves_.writer->TakeFailures();
    // An autosave that failed kept nothing: the weeks since the last sound save are at stake.
    if (!failures.empty()) savedText_.clear();
    return failures;
}

void Session::SetSaveListener(std::function<void()> listener) {
    saves_.writer->SetListener(std::move(listener));
}

SaveOrder Session::MakeSaveOrder(const std::filesystem::path& folder, int slot, const World& world,
                                 const WeekNews& news, std::size_t weeks) {
    const Chronicle& now = chronicle_;
    weeks = std::min(weeks, now.weeks.size());
    ChronicleUpdate update;
    update.restart = saves_.restarted;
    update.player = now.player;
    // The last week the saves saw may have changed since (a fight): it is sent again.
    update.from = saves_.restarted || saves_.sent == 0 ? 0 : std::min(saves_.sent - 1, weeks);
    update.weeks.assign(now.weeks.begin() + static_cast<std::ptrdiff_t>(update.from),
                        now.weeks.begin() + static_cast<std::ptrdiff_t>(weeks));
    saves_.restarted = false;
    saves_.sent = weeks;
    return SaveOrder{world, folder, slot, std::move(update), SlotCompanions(world, news)};
}

std::vector<SlotCompanion> Session::SlotCompanions(const World& world, const WeekNews& news) {
    // The week's news, tied to the game saved with it; its text is made on the writer's thread.
    return {SlotCompanion{"이번 주 소식", std::string(kNewsExtension), kMaxNewsBytes,
                          [news, world] { return NewsFileText(news, world); },
                          [](std::string_view bytes) { return ReadNewsFile(bytes, nullptr).why; }}};
}

const Chronicle& Session::chronicle() {
    if (running_) chronicle_.Note(world_);
    return chronicle_;
}

std::vector<std::string> Session::SaveTo(const std::filesystem::path& folder, int slot,
                                         bool* saved) {
    std::vector<std::string> messages;
    if (!WaitForSaves()) messages = TakeSaveFailures();
    chronicle();  // this week as it stands
    bool written = false;
    for (std::string& message : saves_.writer->SaveNow(
             MakeSaveOrder(folder, slot, world_, news_, chronicle_.weeks.size()), &written))
        messages.push_back(std::move(message));
    if (written) MarkSaved();
    if (saved) *saved = written;
    return messages;
}

SlotGame ReadSlotGame(const World& base, const std::filesystem::path& folder, int slot) {
    SlotGame game{{}, base, std::nullopt, std::nullopt};
    game.result = LoadGame(game.world, folder, slot);
    if (game.result.state != SlotState::Game) return game;
    const std::filesystem::path slotPath = SlotPath(folder, slot);
    LoadedChronicle chronicle = LoadChronicle(slotPath, game.world);
    LoadedNews news = LoadNews(game.world, slotPath);
    game.chronicle = std::move(chronicle.chronicle);
    game.news = std::move(news.news);
    for (std::vector<std::string>* notices : {&chronicle.notices, &news.notices}) {
        for (std::string& notice : *notices)
            game.result.notices.push_back(std::move(notice));
    }
    return game;
}

LoadResult Session::LoadFrom(const std::filesystem::path& folder, int slot) {
    // An autosave still being written is waited for: the slot is read as it will stay.
    std::vector<std::string> given;
    if (!WaitForSaves()) given = saves_.writer->TakeFailures();
    SlotGame game = ReadSlotGame(world_, folder, slot);
    if (game.result.state == SlotState::Game)
        ShowGame(std::move(game.world), std::move(game.chronicle), std::move(game.news));
    game.result.notices.insert(game.result.notices.begin(), given.begin(), given.end());
    return game.result;
}

bool Session::CanContinue(const std::filesystem::path& folder) {
    WaitForSaves();
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
    FollowMenu(moved);
    return moved;
}

bool Session::DialogFollows(Menu dialogMenu) const {
    return running_ && !world_.MapLocked && menu_.panel.open && MenuEnabled(menu_, dialogMenu);
}

void Session::FollowMenu(bool otherDistrict) {
    if (!menu_.reorg.open) return;
    if (!DialogFollows(Menu::Action)) {
        CloseReorganizing(menu_);
    } else if (otherDistrict) {
        // What was left in the pool is lost, as when the dialog is closed.
        OpenReorganizing(world_, menu_);
    } else {
        // The same district: people may have come or gone, the pool is still the player's.
        RefillReorganizing(world_, menu_);
    }
}

}  // namespace golmok
