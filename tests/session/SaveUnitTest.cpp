// A save is one unit: the slot, its chronicle and the week's news change together or not at all.
// A file system that fails each step of a save in turn (a write, a sync, a rename, a removal...),
// once or from there on as a kill does, never leaves a slot without its own files; a disk that
// hangs never holds the game; things under the files' names that the game cannot read are kept.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "game/NewWorld.h"
#include "game/NewsFile.h"
#include "session/Session.h"
#include "session/ShippedSession.h"
#include "support/TestWorld.h"
#include "world/FileSystem.h"
#include "world/SavedGames.h"

namespace golmok {
namespace {

namespace fs = std::filesystem;

using test::ShippedSession;

// Fails the call numbered `failAt` (counted from 0 over every call) with `error`; when `kill`,
// that one and every later one, as a program killed there leaves its files.
class FaultyFiles final : public FileSystem {
  public:
    int failAt = -1;
    bool kill = false;
    int error = EIO;
    int calls = 0;

    int Open(const fs::path& path, int flags, mode_t mode) override {
        return Fail() ? -1 : FileSystem::Open(path, flags, mode);
    }
    ssize_t Write(int fd, const char* data, std::size_t size) override {
        return Fail() ? -1 : FileSystem::Write(fd, data, size);
    }
    int Sync(int fd) override { return Fail() ? -1 : FileSystem::Sync(fd); }
    int Close(int fd) override {
        const int closed = FileSystem::Close(fd);  // the descriptor goes either way
        return Fail() ? -1 : closed;
    }
    int Rename(const fs::path& from, const fs::path& to) override {
        return Fail() ? -1 : FileSystem::Rename(from, to);
    }
    int Remove(const fs::path& path) override { return Fail() ? -1 : FileSystem::Remove(path); }

  private:
    bool Fail() {
        const int call = calls++;
        if (call == failAt || (kill && failAt >= 0 && call > failAt)) {
            errno = error;
            return true;
        }
        return false;
    }
};

struct SavedGame {
    std::string slot;
    Chronicle chronicle;
    WeekNews news;
};

SavedGame Snapshot(Session& session) {
    return {SaveText(session.world()), session.chronicle(), session.weekNews()};
}

// Which of the two games slot 0 loads with: 0 the old, 1 the new, -1 neither whole.
int LoadedGame(const fs::path& folder, const SavedGame& old, const SavedGame& now) {
    Session loaded(BuildNewWorld(test::ShippedData()));
    const LoadResult result = loaded.LoadFrom(folder, 0);
    if (result.state != SlotState::Game || !result.notices.empty()) return -1;
    const SavedGame got = Snapshot(loaded);
    for (int which : {0, 1}) {
        const SavedGame& want = which == 0 ? old : now;
        if (got.slot == want.slot && got.chronicle == want.chronicle && got.news == want.news)
            return which;
    }
    return -1;
}

std::size_t Entries(const fs::path& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(SaveUnit, AFaultAtAnyStepLeavesTheOldSaveOrTheNewWhole) {
    // Slot 0 holds a game of 20 weeks; then a new game of 3 weeks, or the same game 2 weeks on,
    // is saved over it.
    for (const bool anotherGame : {true, false}) {
        for (const bool kill : {false, true}) {
            int steps = 0;
            for (int step = 0;; ++step) {
                SCOPED_TRACE(std::string(anotherGame ? "another game" : "the same game") +
                             (kill ? ", killed at step " : ", failing step ") +
                             std::to_string(step));
                test::TempFolder folder;
                Session first = ShippedSession(0, false);
                for (int turn = 0; turn < 20; ++turn)
                    first.EndTurn();
                ASSERT_TRUE(first.SaveTo(folder.path(), 0).empty());
                const SavedGame old = Snapshot(first);

                FaultyFiles files;
                files.failAt = step;
                files.kill = kill;
                files.error = step % 2 == 0 ? ENOSPC : EIO;
                Session second = ShippedSession(0, false);
                Session& saving = anotherGame ? second : first;
                for (int turn = 0; turn < (anotherGame ? 3 : 2); ++turn)
                    saving.EndTurn();
                saving.UseFileSystem(files);
                const std::vector<std::string> messages = saving.SaveTo(folder.path(), 0);
                const SavedGame now = Snapshot(saving);
                const bool faulted = files.calls > step;

                const int loaded = LoadedGame(folder.path(), old, now);
                ASSERT_NE(loaded, -1);
                if (!faulted) {
                    EXPECT_EQ(loaded, 1);
                    EXPECT_TRUE(messages.empty());
                    steps = step;
                    break;
                }
                if (loaded == 0) {
                    // Refused, and said so: the old game stays with everything beside it.
                    ASSERT_EQ(messages.size(), 1u);
                    EXPECT_TRUE(messages[0].starts_with("save00.sav에 저장하지 못했습니다 ("))
                        << messages[0];
                    EXPECT_TRUE(messages[0].ends_with("). 전에 저장된 게임은 그대로 있습니다."))
                        << messages[0];
                } else {
                    EXPECT_TRUE(messages.empty());  // saved: a removal or a sync that failed
                                                    // after the rename costs nothing
                }
                if (!kill) {
                    // Nothing the failed save wrote is left but the old game's files, and a save
                    // that goes through sweeps them: the slot and its two files.
                    if (loaded == 0) {
                        EXPECT_EQ(Entries(folder.path()), 3u);
                    }
                    Session& again = saving;
                    again.UseFileSystem(SystemFiles());
                    ASSERT_TRUE(again.SaveTo(folder.path(), 0).empty());
                    EXPECT_EQ(Entries(folder.path()), 3u);
                }
            }
            // Every file's open, writes, sync, close and rename, the folder's sync, the removals.
            EXPECT_GE(steps, 20);
        }
    }
}

// A sync that does not return (a disk that hangs): the game stops waiting after the limit, says
// so, and the old autosave stays whole; the given-up save can touch nothing any more.
class HangingFiles final : public FileSystem {
  public:
    int Sync(int fd) override {
        std::unique_lock lock(mutex_);
        if (hang_) {
            hanging_ = true;
            released_.wait(lock, [this] { return !hang_; });
            hanging_ = false;
        }
        return FileSystem::Sync(fd);
    }
    int Close(int fd) override {
        const int closed = FileSystem::Close(fd);
        ++closes_;
        return closed;
    }
    void Hang() {
        const std::lock_guard lock(mutex_);
        hang_ = true;
    }
    void Release() {
        {
            const std::lock_guard lock(mutex_);
            hang_ = false;
        }
        released_.notify_all();
    }
    bool hanging() {
        const std::lock_guard lock(mutex_);
        return hanging_;
    }
    int closes() const { return closes_; }

  private:
    std::mutex mutex_;
    std::condition_variable released_;
    bool hang_ = false;
    bool hanging_ = false;
    std::atomic<int> closes_ = 0;
};

TEST(SaveUnit, ASaveThatHangsIsGivenUpAndTheOldFilesStay) {
    test::TempFolder folder;
    HangingFiles files;
    {
        Session session = ShippedSession(3, true);
        session.UseFileSystem(files);
        session.SaveInBackground(true);
        session.SetSaveWaitLimit(std::chrono::milliseconds(300));
        for (int turn = 0; turn < 3; ++turn)
            session.EndTurn(folder.path());
        ASSERT_TRUE(session.FinishSaves().empty());
        Session reader(BuildNewWorld(test::ShippedData()));
        ASSERT_EQ(reader.LoadFrom(folder.path(), kAutosaveSlot).state, SlotState::Game);
        const SavedGame old = Snapshot(reader);

        files.Hang();
        session.EndTurn(folder.path());
        while (!files.hanging())
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        const auto start = std::chrono::steady_clock::now();
        const std::vector<std::string> told = session.FinishSaves();
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
        EXPECT_EQ(told, std::vector<std::string>{"저장이 1초 안에 끝나지 않아 기다리지 않고 "
                                                 "그만두었습니다. 전에 저장된 게임은 그대로 "
                                                 "있습니다."});
        // The disk comes back: the given-up save renames nothing into place.
        const int closes = files.closes();
        files.Release();
        while (files.closes() == closes)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        Session after(BuildNewWorld(test::ShippedData()));
        const LoadResult result = after.LoadFrom(folder.path(), kAutosaveSlot);
        ASSERT_EQ(result.state, SlotState::Game);
        EXPECT_TRUE(result.notices.empty());
        EXPECT_EQ(Snapshot(after).slot, old.slot);
        EXPECT_EQ(Snapshot(after).chronicle, old.chronicle);

        // The next autosave is written afresh, with the whole chronicle.
        session.EndTurn(folder.path());
        EXPECT_TRUE(session.FinishSaves().empty());
        Session resumed(BuildNewWorld(test::ShippedData()));
        ASSERT_EQ(resumed.LoadFrom(folder.path(), kAutosaveSlot).state, SlotState::Game);
        EXPECT_EQ(SaveText(resumed.world()), SaveText(session.world()));
        EXPECT_EQ(resumed.chronicle(), session.chronicle());
    }
}

// Things under the names of a slot's files that the game cannot read as its own: a save neither
// waits on them nor removes or replaces them, and says once where the game's own file went.
TEST(SaveUnit, WhatTheGameCannotReadBesideASlotIsKept) {
    test::TempFolder folder;
    Session session = ShippedSession(0, false);
    session.EndTurn();
    const fs::path slot = SlotPath(folder.path(), 1);
    const std::uint64_t fingerprint = SlotFingerprint(session.world());
    const fs::path fifo = CompanionPath(slot, fingerprint, kChronicleExtension);
    const fs::path oldFifo = LegacyCompanionPath(slot, kChronicleExtension);
    const fs::path garbled = CompanionPath(slot, fingerprint + 1, kNewsExtension);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(oldFifo.c_str(), 0600), 0);
    test::WriteFile(garbled, "이것은 소식이 아닙니다\n");

    const std::vector<std::string> told = session.SaveTo(folder.path(), 1);
    const fs::path chronicle = CompanionPath(slot, fingerprint, kChronicleExtension, 1);
    const fs::path news = CompanionPath(slot, fingerprint, kNewsExtension);
    ASSERT_EQ(told.size(), 3u) << told[0] << "\n" << told[1];
    for (const fs::path& kept : {fifo, oldFifo, garbled}) {
        EXPECT_TRUE(fs::exists(fs::symlink_status(kept)));
        const bool isNews = kept == garbled;
        const std::string line =
            kept.filename().string() + "을(를) 읽을 수 없어 지우지 않고 그대로 두었습니다 (" +
            (isNews ? "소식 파일의 내용이 아닙니다" : "보통 파일이 아닙니다") + "). 이 게임의 " +
            (isNews ? "이번 주 소식은 " + news.filename().string()
                    : "연대기는 " + chronicle.filename().string()) +
            "에 저장되었습니다.";
        EXPECT_NE(std::find(told.begin(), told.end(), line), told.end()) << line;
    }
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(test::ReadFile(garbled), "이것은 소식이 아닙니다\n");

    // Loaded again: the game comes with its own chronicle, from the next name.
    Session loaded(BuildNewWorld(test::ShippedData()));
    const LoadResult result = loaded.LoadFrom(folder.path(), 1);
    ASSERT_EQ(result.state, SlotState::Game);
    EXPECT_TRUE(result.notices.empty());
    EXPECT_EQ(loaded.chronicle(), session.chronicle());
    EXPECT_EQ(loaded.weekNews(), session.weekNews());
}

// A chronicle that cannot be read at load is named with why, is never overwritten, and the
// game's new chronicle goes beside it under the name the save gives.
TEST(SaveUnit, AnUnreadableChronicleIsToldAndNeverOverwritten) {
    test::TempFolder folder;
    Session session = ShippedSession(2, false);
    for (int turn = 0; turn < 4; ++turn)
        session.EndTurn();
    ASSERT_TRUE(session.SaveTo(folder.path(), 3).empty());
    const fs::path slot = SlotPath(folder.path(), 3);
    const fs::path chronicle =
        CompanionPath(slot, SlotFingerprint(session.world()), kChronicleExtension);
    const std::string whole = test::ReadFile(chronicle);
    const std::string garbled = whole.substr(0, 30) + "\x01\x02 rubbish\nend 5\n";
    test::WriteFile(chronicle, garbled);

    Session loaded(BuildNewWorld(test::ShippedData()));
    const LoadResult result = loaded.LoadFrom(folder.path(), 3);
    ASSERT_EQ(result.state, SlotState::Game);
    EXPECT_EQ(result.notices,
              std::vector<std::string>{"연대기 파일 " + chronicle.filename().string() +
                                       "을(를) 읽을 수 없습니다 (연대기 파일의 내용이 "
                                       "아닙니다). 그 파일은 그대로 두고, 연대기는 1930년 2월 "
                                       "1주부터 새로 시작합니다."});
    EXPECT_EQ(loaded.chronicle().weeks.size(), 1u);
    // Saved again unchanged, and one week on: the unreadable file is never written over.
    const fs::path next =
        CompanionPath(slot, SlotFingerprint(loaded.world()), kChronicleExtension, 1);
    EXPECT_EQ(loaded.SaveTo(folder.path(), 3),
              std::vector<std::string>{chronicle.filename().string() +
                                       "을(를) 읽을 수 없어 지우지 않고 그대로 두었습니다 (연대기 "
                                       "파일의 내용이 아닙니다). 이 게임의 연대기는 " +
                                       next.filename().string() + "에 저장되었습니다."});
    loaded.EndTurn();
    EXPECT_TRUE(loaded.SaveTo(folder.path(), 3).empty());
    EXPECT_EQ(test::ReadFile(chronicle), garbled);
}

}  // namespace
}  // namespace golmok
