// Saves written one at a time, on a thread of their own when asked to, so that the player's turn
// end never waits on the disk.
//
// A save writes what lies beside its slot first (its chronicle, then any other file the save
// carries), each on the disk before the next, and the slot last: a kill at any moment leaves the
// slot with its old game or its new one, and whatever lies beside it at least as far on.
#pragma once

#include <condition_variable>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "world/Chronicle.h"
#include "world/World.h"

namespace golmok {

// What changed in the session's chronicle since the last save it sent: the writer keeps its own
// copy, so that a save costs the weeks that are new, never the whole history.
struct ChronicleUpdate {
    bool restart = false;  // another game's chronicle: the copy starts again from `weeks`
    int player = 0;
    std::size_t from = 0;  // otherwise the copy keeps its weeks before this one...
    std::vector<ChronicleWeek> weeks;  // ...and takes these after them
};

// A file a save writes beside its slot besides the chronicle: the slot's name with `extension`
// (listed in kSlotCompanionExtensions) in place of ".sav". `write` runs on the writer's thread,
// before the slot is written, is given the file's path and returns 0 or the errno that stopped
// it (the file then holding what it held before); `what` names the file for the player.
struct SlotCompanion {
    std::string what;
    std::string extension;
    std::function<int(const std::filesystem::path& file)> write;
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
    SaveWriter() = default;
    SaveWriter(const SaveWriter&) = delete;
    SaveWriter& operator=(const SaveWriter&) = delete;
    // Writes what is still queued before it goes.
    ~SaveWriter();

    // Queues the save and returns at once; it is written on the writer's thread. When a later
    // save of the same slot is queued before it is begun, only the later one is written. A
    // failure is kept for TakeFailures, and the listener is called, on the writer's thread.
    void Queue(SaveOrder order);

    // Writes the save after every queued one, on the calling thread, and returns the messages
    // for the player (none when everything was written).
    std::vector<std::string> SaveNow(const SaveOrder& order);

    // Waits until every queued save is written.
    void Wait();

    // The messages of queued saves that failed, not yet taken; oldest first.
    std::vector<std::string> TakeFailures();

    // Called on the writer's thread after a queued save failed. Once SetListener returns, the
    // listener it replaced is no longer running and never runs again.
    void SetListener(std::function<void()> listener);

  private:
    void Loop();
    // One save, with the writer's state: only ever one at a time (busy_).
    std::vector<std::string> Write(const SaveOrder& order);
    void Apply(const ChronicleUpdate& update);

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<SaveOrder> queue_;
    bool busy_ = false;
    bool stopping_ = false;
    std::vector<std::string> failures_;
    std::thread thread_;

    std::mutex listenerMutex_;
    std::function<void()> listener_;

    // Touched only by the one save being written.
    Chronicle chronicle_;
    std::map<std::filesystem::path, ChronicleFile> files_;
};

}  // namespace golmok
