// Saves written one at a time, on a thread of their own when asked to, so that the player's turn
// end never waits on the disk.
//
// A save is one unit (see SavedGames.h): the files beside the slot are written first under names
// that carry the new game's fingerprint, each on the disk before the next, then the slot is
// renamed into place, and only then are the old game's files beside it removed. A failure before
// the rename takes back what the save wrote and leaves the old slot with all of its files. Only
// files the game can read as its own are ever removed: anything else under those names (a folder,
// a FIFO, a file it may not read or cannot make sense of) is kept, and the player is told once.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "world/Chronicle.h"
#include "world/FileSystem.h"
#include "world/World.h"

namespace golmok {

// What changed in the session's chronicle since the last save it sent: the writer keeps its own
// copy, so that a save hands over the weeks that are new, never the whole history.
struct ChronicleUpdate {
    bool restart = false;  // another game's chronicle: the copy starts again from `weeks`
    int player = 0;
    std::size_t from = 0;  // otherwise the copy keeps its weeks before this one...
    std::vector<ChronicleWeek> weeks;  // ...and takes these after them
};

// A file a save writes beside its slot besides the chronicle, under the slot's stem, the game's
// fingerprint and `extension` (listed in kSlotCompanionExtensions).
struct SlotCompanion {
    std::string what;       // the file for the player: "이번 주 소식"
    std::string extension;  // ".news"
    std::uintmax_t maxBytes = 0;
    // Its text, made on the writer's thread.
    std::function<std::string()> text;
    // Why bytes found under one of its names are not a file of its kind (any game's), or an empty
    // text: only such a file is ever replaced or removed.
    std::function<std::string(std::string_view bytes)> judge;
};

struct SaveOrder {
    World world;  // the game as it stood when the save was asked for
    std::filesystem::path folder;
    int slot = 0;
    ChronicleUpdate chronicle;
    std::vector<SlotCompanion> companions;
};

class SaveWriter {
  public:
    // Every file operation of the saves goes through `files` (the system unless a test says).
    explicit SaveWriter(FileSystem& files = SystemFiles());
    SaveWriter(const SaveWriter&) = delete;
    SaveWriter& operator=(const SaveWriter&) = delete;
    // Writes what is still queued before it goes, waiting at most a few seconds for it.
    ~SaveWriter();

    // Queues the save and returns at once; it is written on the writer's thread. When a later
    // save of the same slot is queued before it is begun, only the later one is written. A
    // failure is kept for TakeFailures, and the listener is called, on the writer's thread.
    void Queue(SaveOrder order);

    // Writes the save after every queued one, on the calling thread, and returns the messages
    // for the player (none when everything was written and nothing has to be told). `written`,
    // when given, says whether the slot now holds the game.
    std::vector<std::string> SaveNow(const SaveOrder& order, bool* written = nullptr);

    // Waits until every queued save is written, at most `limit`. When they are not written by
    // then, the writer gives them up: the save being written can no longer touch any file (the
    // old slot and its files stay as they were), those still queued are dropped, the message
    // says so (TakeFailures), and later saves are written afresh. Returns false when it gave up:
    // the next save must then carry the whole chronicle (ChronicleUpdate::restart).
    bool Wait(std::chrono::milliseconds limit);

    // The messages of queued saves that failed, not yet taken; oldest first.
    std::vector<std::string> TakeFailures();

    // Called on the writer's thread after a queued save failed. Once SetListener returns, the
    // listener it replaced is no longer running and never runs again.
    void SetListener(std::function<void()> listener);

  private:
    struct State;
    static void Loop(const std::shared_ptr<State>& state);
    void Start();

    FileSystem& files_;
    std::shared_ptr<State> state_;
    std::thread thread_;
};

// How long a save may take before the game stops waiting for it.
inline constexpr std::chrono::milliseconds kSaveWaitLimit{3000};

}  // namespace golmok
