// One run of the game, as the title menu and the map see it: the world built at start-up, whether
// a game is on the map, and how it ended. The windows and the console both drive this.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "fight/Fight.h"
#include "world/World.h"

namespace golmok {

enum class GameEnd { Running, Victory, Defeat };

// The map's end-of-game check: WorkSlot 0 says every district is the player's, WorkSlot 1 that
// none is.
GameEnd CheckGameEnd(World& world);

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

    // The map is on screen: a game is being played.
    bool running() const { return running_; }
    GameEnd ending() const { return ending_; }

    // Start on the group selection with gang `group` chosen. Every new game starts from the world
    // as it was built at start-up; the options carry over. Returns the messages to show.
    std::vector<std::string> StartNewGame(int group);

    // 기능 > 종료하기 answered Yes: the command menu and the map close, the title menu shows.
    void QuitToTitle();

    // Shows a loaded or otherwise replaced world on the map: the game runs from it.
    void ShowGame(World world);

    // Run after every change of owners. Announces a victory or a defeat once: the message to show,
    // or an empty text while the game goes on. After it the map is closed for good.
    std::string AnnounceGameEnd();

    // The fight on the field, if one runs. The set-up starts it; it is closed once its result has
    // been applied (or when the game is left).
    Fight* fight() { return fight_ ? &*fight_ : nullptr; }
    const Fight* fight() const { return fight_ ? &*fight_ : nullptr; }
    void StartFight(Fight fight) { fight_ = std::move(fight); }
    void CloseFight() { fight_.reset(); }

  private:
    World start_;
    World world_;
    bool running_ = false;
    GameEnd ending_ = GameEnd::Running;
    std::optional<Fight> fight_;
};

}  // namespace golmok
