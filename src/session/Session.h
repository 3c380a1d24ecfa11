// One run of the game, as the title menu and the map see it: the world built at start-up, whether
// a game is on the map, how it ended, and the command menu with its dialogs, which follow their
// district the same way in the windows and the console. Both front ends drive this.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "commands/CommandMenu.h"
#include "commands/MenuState.h"
#include "fight/Fight.h"
#include "game/TurnNews.h"
#include "session/SaveWriter.h"
#include "world/Chronicle.h"
#include "world/SavedGames.h"
#include "world/World.h"

namespace golmok {

enum class GameEnd { Running, Victory, Defeat };

// The map's end-of-game check: won when every district is the player's, lost when none is.
GameEnd CheckGameEnd(const World& world);

inline constexpr const char* kVictoryMessage = "당신의 조직은 서울의 모든 지역들을 장악했습니다.";
inline constexpr const char* kDefeatMessage = "당신은 조직은 망했습니다.";
inline constexpr const char* kStartMessage = "도움말을 꼭 보십시오.";
inline constexpr const char* kQuitQuestion = "종료하시겠습니까?";
inline constexpr const char* kQuitTitle = "종료하기";

class Session {
  public:
    // `startWorld` is the world as built from the record files at start-up.
    explicit Session(World startWorld);

    World& world() { return world_; }
    const World& world() const { return world_; }

    // The command menu and its dialogs: a value beside the game, never saved.
    MenuState& menu() { return menu_; }
    const MenuState& menu() const { return menu_; }

    // A click on district `city` on the map (nothing while the map is locked or no game runs):
    // the command menu opens on it. When it was on another district the open dialogs follow it:
    // an open 재편성 dialog starts again with an empty pool and the district's people, or closes
    // where 행동 is disabled. A click on the district already shown refills an open 재편성
    // dialog with the people standing there now and keeps its pool. Returns whether the menu
    // moved, so that a view refills or closes its other open dialogs by DialogFollows.
    bool ClickCity(int city);

    // Whether an open dialog of menu `dialogMenu` stays open, refilled, as the command menu
    // follows its district; any other closes.
    bool DialogFollows(Menu dialogMenu) const;

    // The command menu closes (its 확인 button, a fight, the end of a game), and 재편성 with it.
    void CloseMenu();

    // The map is on screen: a game is being played.
    bool running() const { return running_; }
    GameEnd ending() const { return ending_; }

    // Start on the group selection with gang `group` chosen. Every new game starts from the world
    // as it was built at start-up; the options carry over. Returns the messages to show.
    std::vector<std::string> StartNewGame(int group);

    // 기능 > 종료하기 answered Yes: the command menu and the map close, the title menu shows.
    void QuitToTitle();

    // Shows a loaded or otherwise replaced world on the map: the game runs from it. The chronicle
    // read beside its slot goes on if it belongs to this game; otherwise a new one starts from
    // the world's week. The news read beside the slot is the news window's; without it the
    // window says the week's news was not saved.
    void ShowGame(World world, std::optional<Chronicle> chronicle = std::nullopt,
                  std::optional<WeekNews> news = std::nullopt);

    // 턴 > 종료 (EndTurn). At the last week a save can hold (CalendarEnds) nothing happens and
    // the only message says why. Otherwise an open command menu is refreshed as if its district
    // were clicked again (figures, owner, which menus are enabled) and the open dialogs follow it
    // as above (an open 재편성 dialog keeps its pool);
    // an announced attack closes the menu and its dialogs instead. The turn end's news is kept
    // for the news window and the console's `news`, the chronicle is written up, and while
    // 자동저장 is on the game is saved into the autosave slot of `saveFolder` (none without a
    // folder). Returns the messages to show, in order (a failed autosave says so last). With
    // saves in the background the autosave is only queued, and a failure of it comes later
    // through TakeSaveFailures.
    std::vector<std::string> EndTurn(const std::filesystem::path& saveFolder = {});

    // While held, a turn end that would write the autosave keeps it instead; ReleaseAutosave
    // writes the last one kept, so that a line of many turn ends (the console's `end-turn N`)
    // saves once, after the last, with the chronicle of every week. What is written is what the
    // last of them would have written: an announced attack still keeps the week before it.
    void HoldAutosave() { holding_ = true; }
    // Writes the autosave kept since HoldAutosave, if any, and holds no longer. Returns the
    // messages to show (with saves in the background, a failure comes later, as for EndTurn).
    std::vector<std::string> ReleaseAutosave();

    // The game is at the last week a save can hold: the turn cannot end.
    bool CalendarEnded() const;

    // Whether the autosave of a turn end is written on a thread of its own, so that the turn end
    // never waits on the disk (the windows), or before EndTurn returns (the console, the tests).
    // Either way one save is written at a time, in order, and a manual save waits for the
    // autosaves before it.
    void SaveInBackground(bool on) { background_ = on; }

    // Waits for the autosaves still being written, a few seconds at most (then they are given up
    // and the old files stay); returns what failed and was not yet taken.
    std::vector<std::string> FinishSaves();
    // How long the game waits for a save before it gives it up (kSaveWaitLimit unless a test
    // says otherwise).
    void SetSaveWaitLimit(std::chrono::milliseconds limit) { waitLimit_ = limit; }
    // Every file operation of the saves goes through `files` from now on: the tests' seam.
    void UseFileSystem(FileSystem& files);
    // The messages of background autosaves that failed, not yet taken, without waiting.
    std::vector<std::string> TakeSaveFailures();
    // Called on the saving thread when a background autosave has failed; the view then takes the
    // failures on its own thread. Once this returns, the listener it replaced never runs again.
    void SetSaveListener(std::function<void()> listener);

    // What the last turn end of this game did; nothing before the first one.
    const TurnNews& news() const { return news_.events; }
    // The news as the window tells it: this turn end's and the one's before it.
    const WeekNews& weekNews() const { return news_; }

    // The districts of each gang week by week, this week's as they stand now.
    const Chronicle& chronicle();

    // 저장하기 into slot `slot` of `folder` (the folder is made if it is missing), with the
    // chronicle and the week's news beside it, as one unit. The messages to show: why the game
    // could not be saved (the slot then holds its old game with all of its files), or a file
    // under the names of the slot's files that the game could not read and kept; none when the
    // game was saved and there is nothing to tell. `saved`, when given, says whether the slot now
    // holds the game.
    std::vector<std::string> SaveTo(const std::filesystem::path& folder, int slot,
                                    bool* saved = nullptr);

    // 불러오기 of slot `slot` (kAutosaveSlot included): a sound game replaces the running one and
    // its chronicle comes with it. The result says why nothing was loaded, or (its notices) which
    // file beside the slot could not be read and was kept as it is.
    LoadResult LoadFrom(const std::filesystem::path& folder, int slot);

    // Whether the game on the map has changed since it was last saved, autosaved, loaded or
    // started: weeks a load would lose. False while no game runs.
    bool ChangedSinceSave() const;

    // The title menu's 이어하기: the autosave slot holds a game that loads.
    bool CanContinue(const std::filesystem::path& folder);

    // Run after every change of owners. Announces a victory or a defeat once: the message to show,
    // or an empty text while the game goes on. After it the map is closed for good.
    std::string AnnounceGameEnd();

    // The fight on the field, if one runs. The set-up starts it; it is closed once its result has
    // been applied (or when the game is left).
    Fight* fight() { return fight_ ? &*fight_ : nullptr; }
    const Fight* fight() const { return fight_ ? &*fight_ : nullptr; }
    // The fight starts on the field; the command menu and its dialogs close.
    void StartFight(Fight fight);
    void CloseFight() { fight_.reset(); }

  private:
    // The open 재편성 dialog follows the menu's district: refilled (with an empty pool when the
    // menu moved to `otherDistrict`), or closed where 행동 is disabled.
    void FollowMenu(bool otherDistrict);
    // A save of `world` with `news` and the first `weeks` weeks of the chronicle, with what
    // changed in the chronicle since the last save.
    SaveOrder MakeSaveOrder(const std::filesystem::path& folder, int slot, const World& world,
                            const WeekNews& news, std::size_t weeks);
    // The files besides the chronicle that a save writes beside its slot.
    static std::vector<SlotCompanion> SlotCompanions(const World& world, const WeekNews& news);
    // Writes the autosave now or queues it.
    std::vector<std::string> WriteAutosave(SaveOrder order);
    // Waits for the saves under way, at most the wait limit; returns whether they were written.
    bool WaitForSaves();
    // The chronicle is another game's from now on.
    void RestartChronicle(Chronicle chronicle);
    // The game as it stands is the one last kept in a slot (or the one just started).
    void MarkSaved();

    World start_;
    World world_;
    MenuState menu_;
    bool running_ = false;
    GameEnd ending_ = GameEnd::Running;
    std::optional<Fight> fight_;
    WeekNews news_;
    Chronicle chronicle_;
    bool background_ = false;
    std::chrono::milliseconds waitLimit_ = kSaveWaitLimit;
    // The autosave held back by HoldAutosave.
    struct HeldSave {
        std::filesystem::path folder;
        World world;
        WeekNews news;
        std::size_t weeks = 0;
    };
    bool holding_ = false;
    std::optional<HeldSave> held_;
    // The slot text of the game as it was last saved, loaded or started; empty when a save of
    // it failed.
    std::string savedText_;
    // The saves of this session and what they have seen of its chronicle. A copy of the session
    // writes its own saves, which have seen nothing yet.
    struct Saves {
        std::unique_ptr<SaveWriter> writer = std::make_unique<SaveWriter>();
        bool restarted = true;  // the chronicle is a game's the writer has not seen yet
        std::size_t sent = 0;   // weeks of it the writer has seen

        Saves() = default;
        Saves(const Saves& /*other*/) {}
        Saves(Saves&& other) noexcept
            : writer(std::exchange(other.writer, nullptr)), restarted(other.restarted),
              sent(other.sent) {}
        Saves& operator=(const Saves& other) {
            if (this != &other) Restart();
            return *this;
        }
        Saves& operator=(Saves&& other) noexcept {
            writer = std::exchange(other.writer, nullptr);
            restarted = other.restarted;
            sent = other.sent;
            return *this;
        }
        ~Saves() = default;
        void Restart() {
            restarted = true;
            sent = 0;
        }
    };
    Saves saves_;
};

// The game as read from a slot and its chronicle file, not yet shown. Nothing is changed when the
// slot holds no sound game; `base` gives every field a slot does not hold.
struct SlotGame {
    LoadResult result;  // its notices name the files beside the slot that could not be read
    World world;
    std::optional<Chronicle> chronicle;
    std::optional<WeekNews> news;
};
SlotGame ReadSlotGame(const World& base, const std::filesystem::path& folder, int slot);

}  // namespace golmok
