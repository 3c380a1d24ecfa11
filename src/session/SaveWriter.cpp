#include "session/SaveWriter.h"

#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <set>
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

// The file system of one writer: once its saves are given up, every call fails, so that a save
// that comes back from a disk that hung can no longer rename anything into place after the game
// has stopped waiting for it (and perhaps saved again). Descriptors are still closed.
class GuardedFiles final : public FileSystem {
  public:
    explicit GuardedFiles(FileSystem& base) : base_(base) {}
    GuardedFiles(const GuardedFiles&) = delete;
    GuardedFiles& operator=(const GuardedFiles&) = delete;
    ~GuardedFiles() override = default;

    void GiveUp() { givenUp_ = true; }

    int Open(const std::filesystem::path& path, int flags, mode_t mode) override {
        return givenUp_ ? Refuse() : base_.Open(path, flags, mode);
    }
    ssize_t Write(int fd, const char* data, std::size_t size) override {
        return givenUp_ ? Refuse() : base_.Write(fd, data, size);
    }
    int Sync(int fd) override { return givenUp_ ? Refuse() : base_.Sync(fd); }
    int Close(int fd) override { return base_.Close(fd); }
    int Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        return givenUp_ ? Refuse() : base_.Rename(from, to);
    }
    int Remove(const std::filesystem::path& path) override {
        return givenUp_ ? Refuse() : base_.Remove(path);
    }

  private:
    static int Refuse() {
        errno = ECANCELED;
        return -1;
    }
    FileSystem& base_;
    std::atomic<bool> givenUp_ = false;
};

// One file a save writes beside its slot.
struct Piece {
    const char* what;
    std::string_view extension;
    std::uintmax_t maxBytes;
    std::function<std::string()> text;
    std::function<std::string(std::string_view)> judge;
};

// Why what lies at `path` may not be replaced or removed, or an empty text when it is a regular
// file of the piece's kind. A link is never followed: it is not the game's.
std::string WhyNotOurs(const std::filesystem::path& path, const Piece& piece) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return SystemErrorText(errno);
    if (S_ISLNK(info.st_mode)) return "심볼릭 링크입니다";
    const SmallFile file = ReadSmallFile(path, piece.maxBytes);
    if (file.state == SmallFile::State::Missing) return {};
    if (file.state == SmallFile::State::Refused) return file.bytes;
    return piece.judge(file.bytes);
}

bool Exists(const std::filesystem::path& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 || errno != ENOENT;
}

// The name the piece is written under: the first of its names for the fingerprint where nothing
// lies, or where a file of its own kind does (the same game saved again); nothing when something
// else lies under every one of them.
template <typename Judge>
std::optional<std::filesystem::path> FreeName(const std::filesystem::path& slotPath,
                                              std::uint64_t fingerprint, const Piece& piece,
                                              const Judge& whyNotOurs) {
    for (int alternate = 0; alternate < kCompanionAlternates; ++alternate) {
        std::filesystem::path path =
            CompanionPath(slotPath, fingerprint, piece.extension, alternate);
        if (!Exists(path) || whyNotOurs(path, piece).empty()) return path;
    }
    return std::nullopt;
}

std::string Failed(const std::filesystem::path& slotPath, const Piece& piece,
                   const std::filesystem::path& path, const std::string& why) {
    return slotPath.filename().string() + "에 저장하지 못했습니다 (" + piece.what + " 파일 " +
           path.filename().string() + ": " + why + "). 전에 저장된 게임은 그대로 있습니다.";
}

}  // namespace

struct SaveWriter::State {
    explicit State(FileSystem& base) : files(base) {}

    GuardedFiles files;
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<SaveOrder> queue;
    bool busy = false;
    bool stopping = false;
    std::vector<std::string> failures;

    std::mutex listenerMutex;
    std::function<void()> listener;

    // Touched only by the one save being written.
    Chronicle chronicle;
    std::set<std::filesystem::path> told;  // files kept that the player has been told of
    // The files this writer wrote beside the slots, as it left them: one found unchanged is known
    // to be the game's own without being read again (a long game's chronicle runs to megabytes).
    struct Stamp {
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        timespec changed{};
    };
    std::map<std::filesystem::path, Stamp> wrote;

    void Remember(const std::filesystem::path& path);
    bool Unchanged(const std::filesystem::path& path) const;
    std::string WhyNotOurs(const std::filesystem::path& path, const Piece& piece) const;

    void Apply(const ChronicleUpdate& update);
    // The messages for the player; `committed` says whether the slot was renamed into place.
    std::vector<std::string> Write(const SaveOrder& order, bool& committed);
    std::vector<std::string> Sweep(const std::filesystem::path& slotPath,
                                   const std::vector<Piece>& pieces,
                                   const std::vector<std::filesystem::path>& written);
};

void SaveWriter::State::Remember(const std::filesystem::path& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return;
    wrote[path] = Stamp{info.st_dev, info.st_ino, info.st_size, info.st_ctim};
}

bool SaveWriter::State::Unchanged(const std::filesystem::path& path) const {
    const auto known = wrote.find(path);
    struct stat info {};
    if (known == wrote.end() || ::lstat(path.c_str(), &info) != 0) return false;
    const Stamp& stamp = known->second;
    return S_ISREG(info.st_mode) && info.st_dev == stamp.device && info.st_ino == stamp.inode &&
           info.st_size == stamp.size && info.st_ctim.tv_sec == stamp.changed.tv_sec &&
           info.st_ctim.tv_nsec == stamp.changed.tv_nsec;
}

std::string SaveWriter::State::WhyNotOurs(const std::filesystem::path& path,
                                          const Piece& piece) const {
    return Unchanged(path) ? std::string() : golmok::WhyNotOurs(path, piece);
}

void SaveWriter::State::Apply(const ChronicleUpdate& update) {
    if (update.restart) {
        chronicle = Chronicle{update.player, update.weeks};
        return;
    }
    chronicle.player = update.player;
    chronicle.weeks.resize(std::min(update.from, chronicle.weeks.size()));
    chronicle.weeks.insert(chronicle.weeks.end(), update.weeks.begin(), update.weeks.end());
}

std::vector<std::string> SaveWriter::State::Write(const SaveOrder& order, bool& committed) {
    committed = false;
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
    RemoveStaleTemporaries(order.folder);

    std::vector<Piece> pieces;
    pieces.push_back({kChronicleName, kChronicleExtension, MaxChronicleBytes(),
                      [this] { return ChronicleText(chronicle); },
                      [](std::string_view text) { return ReadChronicleFile(text).why; }});
    for (const SlotCompanion& companion : order.companions) {
        pieces.push_back({companion.what.c_str(), companion.extension, companion.maxBytes,
                          companion.text, companion.judge});
    }

    const std::filesystem::path slotPath = SlotPath(order.folder, order.slot);
    const std::uint64_t fingerprint = SlotFingerprint(order.world);
    std::vector<std::filesystem::path> written;
    std::vector<std::filesystem::path> created;
    // A save that stops before its slot is renamed takes back the files it made, so that the
    // folder holds the old game's files only. A file it replaced held the same game.
    const auto takeBack = [&] {
        for (const std::filesystem::path& path : created)
            files.Remove(path);
    };
    for (const Piece& piece : pieces) {
        const std::optional<std::filesystem::path> path = FreeName(
            slotPath, fingerprint, piece,
            [this](const auto& file, const Piece& kind) { return WhyNotOurs(file, kind); });
        if (!path) {
            takeBack();
            const auto first = CompanionPath(slotPath, fingerprint, piece.extension);
            return {
                Failed(slotPath, piece, first, "그 이름들에 게임이 읽을 수 없는 파일이 있습니다")};
        }
        const bool existed = Exists(*path);
        if (const int error = WriteWhole(files, *path, piece.text()); error != 0) {
            takeBack();
            return {Failed(slotPath, piece, *path, SaveFailureReason(error))};
        }
        written.push_back(*path);
        if (!existed) created.push_back(*path);
        Remember(*path);
    }
    if (auto failure = WriteSlot(files, bytes, order.folder, order.slot)) {
        takeBack();
        return {*failure};
    }
    // Saved: the slot holds the new game, and its files are beside it.
    committed = true;
    return Sweep(slotPath, pieces, written);
}

std::vector<std::string> SaveWriter::State::Sweep(
    const std::filesystem::path& slotPath, const std::vector<Piece>& pieces,
    const std::vector<std::filesystem::path>& written) {
    std::vector<std::string> notices;
    std::error_code error;
    const std::filesystem::path folder = slotPath.parent_path();
    std::filesystem::directory_iterator entries(folder.empty() ? "." : folder, error);
    if (error) return notices;  // the old files stay; the next save sweeps them
    for (const auto& entry : entries) {
        const std::string name = entry.path().filename().string();
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            const Piece& piece = pieces[i];
            const std::filesystem::path path = folder / name;
            if (!IsCompanionName(name, slotPath, piece.extension) || path == written[i]) continue;
            const std::string why = WhyNotOurs(path, piece);
            if (why.empty()) {
                if (files.Remove(path) == 0) wrote.erase(path);
            } else if (told.insert(path).second) {
                std::string notice = name;
                notice += "을(를) 읽을 수 없어 지우지 않고 그대로 두었습니다 (";
                notice += why;
                notice += "). 이 게임의 ";
                notice += Particle(piece.what, "은", "는");
                notice += ' ';
                notice += written[i].filename().string();
                notice += "에 저장되었습니다.";
                notices.push_back(std::move(notice));
            }
        }
    }
    return notices;
}

SaveWriter::SaveWriter(FileSystem& files) : files_(files), state_(std::make_shared<State>(files)) {}

SaveWriter::~SaveWriter() {
    {
        const std::lock_guard lock(state_->mutex);
        state_->stopping = true;
    }
    state_->changed.notify_all();
    if (!thread_.joinable()) return;
    if (Wait(kSaveWaitLimit)) {
        thread_.join();
    } else if (thread_.joinable()) {
        thread_.detach();
    }
}

void SaveWriter::Start() {
    if (!thread_.joinable()) thread_ = std::thread(&SaveWriter::Loop, state_);
}

void SaveWriter::Queue(SaveOrder order) {
    {
        const std::lock_guard lock(state_->mutex);
        state_->queue.push_back(std::move(order));
        Start();
    }
    state_->changed.notify_all();
}

std::vector<std::string> SaveWriter::SaveNow(const SaveOrder& order, bool* written) {
    std::vector<std::string> messages;
    if (!Wait(kSaveWaitLimit)) messages = TakeFailures();
    State& state = *state_;
    {
        const std::lock_guard lock(state.mutex);
        state.busy = true;
    }
    bool committed = false;
    for (std::string& message : state.Write(order, committed))
        messages.push_back(std::move(message));
    if (written) *written = committed;
    {
        const std::lock_guard lock(state.mutex);
        state.busy = false;
    }
    state.changed.notify_all();
    return messages;
}

bool SaveWriter::Wait(std::chrono::milliseconds limit) {
    const std::shared_ptr<State> state = state_;
    {
        std::unique_lock lock(state->mutex);
        if (state->changed.wait_for(lock, limit,
                                    [&state] { return state->queue.empty() && !state->busy; })) {
            return true;
        }
        state->queue.clear();
        state->stopping = true;  // its thread ends once the disk lets it go
    }
    state->changed.notify_all();
    // Given up: the save under way can touch nothing more, its listener never runs again, and
    // the saves to come are written by a writer of their own.
    state->files.GiveUp();
    std::function<void()> listener;
    {
        const std::lock_guard lock(state->listenerMutex);
        listener = std::exchange(state->listener, {});
    }
    if (thread_.joinable()) thread_.detach();
    state_ = std::make_shared<State>(files_);
    state_->listener = listener;
    state_->failures.push_back("저장이 " + std::to_string((limit.count() + 999) / 1000) +
                               "초 안에 끝나지 않아 기다리지 않고 그만두었습니다. 전에 저장된 "
                               "게임은 그대로 있습니다.");
    if (listener) listener();
    return false;
}

std::vector<std::string> SaveWriter::TakeFailures() {
    const std::lock_guard lock(state_->mutex);
    return std::exchange(state_->failures, {});
}

void SaveWriter::SetListener(std::function<void()> listener) {
    const std::lock_guard lock(state_->listenerMutex);
    state_->listener = std::move(listener);
}

void SaveWriter::Loop(const std::shared_ptr<State>& shared) {
    State& state = *shared;
    std::unique_lock lock(state.mutex);
    while (true) {
        state.changed.wait(
            lock, [&state] { return state.stopping || (!state.queue.empty() && !state.busy); });
        if (state.queue.empty()) return;  // stopping, with nothing left to write
        std::deque<SaveOrder> batch = std::exchange(state.queue, {});
        state.busy = true;
        lock.unlock();

        std::vector<std::string> messages;
        for (std::size_t i = 0; i < batch.size(); ++i) {
            bool overtaken = false;
            for (std::size_t later = i + 1; later < batch.size() && !overtaken; ++later)
                overtaken = SameSlot(batch[i], batch[later]);
            if (overtaken) {
                state.Apply(batch[i].chronicle);  // its weeks are the later save's too
                continue;
            }
            bool committed = false;
            for (std::string& message : state.Write(batch[i], committed))
                messages.push_back(std::move(message));
        }
        if (!messages.empty()) {
            const std::lock_guard listening(state.listenerMutex);
            {
                const std::lock_guard keeping(state.mutex);
                for (std::string& message : messages)
                    state.failures.push_back(std::move(message));
            }
            if (state.listener) state.listener();
        }

        lock.lock();
        state.busy = false;
        state.changed.notify_all();
    }
}

}  // namespace golmok
