#include "session/SaveWriter.h"

#include <algorithm>
#include <cerrno>
#include <system_error>
#include <utility>

#include "world/SavedGames.h"
#include "world/SmallFiles.h"

namespace golmok {

namespace {

constexpr const char* kChronicleName = "연대기";

bool SameSlot(const SaveOrder& a, const SaveOrder& b) {
    return a.slot == b.slot && a.folder == b.folder;
}

}  // namespace

SaveWriter::~SaveWriter() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void SaveWriter::Queue(SaveOrder order) {
    {
        const std::lock_guard lock(mutex_);
        queue_.push_back(std::move(order));
        if (!thread_.joinable()) thread_ = std::thread(&SaveWriter::Loop, this);
    }
    changed_.notify_all();
}

std::vector<std::string> SaveWriter::SaveNow(const SaveOrder& order) {
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return queue_.empty() && !busy_; });
        busy_ = true;
    }
    std::vector<std::string> messages = Write(order);
    {
        const std::lock_guard lock(mutex_);
        busy_ = false;
    }
    changed_.notify_all();
    return messages;
}

void SaveWriter::Wait() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return queue_.empty() && !busy_; });
}

std::vector<std::string> SaveWriter::TakeFailures() {
    const std::lock_guard lock(mutex_);
    return std::exchange(failures_, {});
}

void SaveWriter::SetListener(std::function<void()> listener) {
    const std::lock_guard lock(listenerMutex_);
    listener_ = std::move(listener);
}

void SaveWriter::Loop() {
    std::unique_lock lock(mutex_);
    while (true) {
        changed_.wait(lock, [this] { return stopping_ || (!queue_.empty() && !busy_); });
        if (queue_.empty()) return;  // stopping, with nothing left to write
        std::deque<SaveOrder> batch = std::exchange(queue_, {});
        busy_ = true;
        lock.unlock();

        std::vector<std::string> messages;
        for (std::size_t i = 0; i < batch.size(); ++i) {
            bool overtaken = false;
            for (std::size_t later = i + 1; later < batch.size() && !overtaken; ++later)
                overtaken = SameSlot(batch[i], batch[later]);
            if (overtaken) {
                Apply(batch[i].chronicle);  // its weeks are the later save's too
                continue;
            }
            for (std::string& message : Write(batch[i]))
                messages.push_back(std::move(message));
        }
        if (!messages.empty()) {
            const std::lock_guard listening(listenerMutex_);
            {
                const std::lock_guard keeping(mutex_);
                for (std::string& message : messages)
                    failures_.push_back(std::move(message));
            }
            if (listener_) listener_();
        }

        lock.lock();
        busy_ = false;
        changed_.notify_all();
    }
}

void SaveWriter::Apply(const ChronicleUpdate& update) {
    if (update.restart) {
        chronicle_ = Chronicle{update.player, update.weeks};
        // The files hold other games' weeks, or this game's up to some week: each is written
        // whole at its next save.
        for (auto& [path, file] : files_)
            file.Forget();
        return;
    }
    chronicle_.player = update.player;
    chronicle_.weeks.resize(std::min(update.from, chronicle_.weeks.size()));
    chronicle_.weeks.insert(chronicle_.weeks.end(), update.weeks.begin(), update.weeks.end());
}

std::vector<std::string> SaveWriter::Write(const SaveOrder& order) {
    Apply(order.chronicle);
    std::string bytes;
    if (auto failure = EncodeSave(order.world, order.slot, bytes)) return {*failure};

    // The player's data folder of an installed game may not exist before the first save.
    std::error_code made;
    std::filesystem::create_directories(order.folder, made);
    if (made) {
        std::error_code ignored;
        const bool fileInTheWay = std::filesystem::exists(order.folder, ignored) &&
                                  !std::filesystem::is_directory(order.folder, ignored);
        return {"저장 폴더 " + order.folder.string() + "을(를) 만들지 못했습니다 (" +
                (fileInTheWay ? SystemErrorText(EEXIST) : SystemErrorText(made.value())) +
                "). 게임을 저장하지 못했습니다."};
    }

    const std::filesystem::path slotPath = SlotPath(order.folder, order.slot);
    std::vector<std::string> besides;
    auto file = files_.try_emplace(slotPath, slotPath).first;
    if (const int error = file->second.Write(chronicle_); error != 0) {
        besides.push_back(CompanionFailure(kChronicleName, file->second.path(), error));
    }
    for (const SlotCompanion& companion : order.companions) {
        std::filesystem::path path = slotPath;
        path.replace_extension(companion.extension);
        if (const int error = companion.write(path); error != 0) {
            besides.push_back(CompanionFailure(companion.what, path, error));
        }
    }
    if (auto failure = WriteSlot(bytes, order.folder, order.slot)) return {*failure};
    return besides;
}

}  // namespace golmok
