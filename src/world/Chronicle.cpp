#include "world/Chronicle.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <system_error>
#include <utility>

#include "world/SavedGames.h"
#include "world/SmallFiles.h"

namespace golmok {

namespace {

constexpr std::string_view kHeader = "golmok-chronicle 1";
// The longest line: "9999 12 4" and seven gangs of up to two digits, then the line break.
constexpr std::uintmax_t kLongestLine = 9 + 3 * kGroupCount + 1;
constexpr std::uintmax_t kMostWeeks = std::uintmax_t{kLastYear - kFirstYear + 1} * 12 * 4;
constexpr std::uintmax_t kMaxBytes = 2 * (kHeader.size() + 3 + kMostWeeks * kLongestLine);

bool SameWeek(const ChronicleWeek& entry, const World& world) {
    return entry.year == world.Year && entry.month == world.Month && entry.week == world.Week;
}

bool SameDate(const ChronicleWeek& a, const ChronicleWeek& b) {
    return a.year == b.year && a.month == b.month && a.week == b.week;
}

// Weeks counted from year 0, so that two dates compare and follow one another.
long WeekNumber(int year, int month, int week) {
    return (long{year} * 12 + (month - 1)) * 4 + (week - 1);
}

long WeekNumber(const ChronicleWeek& entry) {
    return WeekNumber(entry.year, entry.month, entry.week);
}

// Reads the blank-separated whole numbers of one line; nothing when any word is not one.
std::optional<std::vector<int>> Numbers(std::string_view line) {
    std::vector<int> numbers;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ') {
            ++i;
            continue;
        }
        int value = 0;
        auto [end, ec] = std::from_chars(line.data() + i, line.data() + line.size(), value);
        if (ec != std::errc{} || (end != line.data() + line.size() && *end != ' ')) {
            return std::nullopt;
        }
        numbers.push_back(value);
        i = static_cast<std::size_t>(end - line.data());
    }
    return numbers;
}

std::optional<ChronicleWeek> ReadWeek(std::string_view line) {
    auto numbers = Numbers(line);
    if (!numbers || numbers->size() != 3 + kGroupCount) return std::nullopt;
    ChronicleWeek entry;
    entry.year = (*numbers)[0];
    entry.month = (*numbers)[1];
    entry.week = (*numbers)[2];
    if (entry.year < kFirstYear || entry.year > kLastYear || entry.month < 1 || entry.month > 12 ||
        entry.week < 1 || entry.week > 4) {
        return std::nullopt;
    }
    int total = 0;
    for (int g = 0; g < kGroupCount; ++g) {
        entry.districts[g] = (*numbers)[3 + g];
        if (entry.districts[g] < 0 || entry.districts[g] > kCityCount) return std::nullopt;
        total += entry.districts[g];
    }
    if (total > kCityCount) return std::nullopt;
    return entry;
}

// Keeps the last entry of each week.
void DropRewrittenWeeks(std::vector<ChronicleWeek>& weeks) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < weeks.size(); ++i) {
        if (i + 1 < weeks.size() && SameDate(weeks[i], weeks[i + 1])) continue;
        weeks[kept++] = weeks[i];
    }
    weeks.resize(kept);
}

// Writes all the bytes; returns 0 or the errno.
int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(written));
        } else if (written == 0) {
            return EIO;
        } else if (errno != EINTR) {
            return errno;
        }
    }
    return 0;
}

}  // namespace

std::uintmax_t MaxChronicleBytes() {
    return kMaxBytes;
}

GroupTable<int> DistrictsHeld(const World& world) {
    GroupTable<int> held{};
    for (int c = 0; c < kCityCount; ++c) {
        if (auto owner = world.OwnerOf(c)) held[*owner] += 1;
    }
    return held;
}

void Chronicle::Note(const World& world) {
    if (weeks.empty() || !SameWeek(weeks.back(), world)) weeks.emplace_back();
    ChronicleWeek& entry = weeks.back();
    entry.year = world.Year;
    entry.month = world.Month;
    entry.week = world.Week;
    entry.districts = DistrictsHeld(world);
}

Chronicle StartChronicle(const World& world) {
    Chronicle chronicle;
    chronicle.player = world.PlayerGroupIndex;
    chronicle.Note(world);
    return chronicle;
}

std::string ChronicleLine(const ChronicleWeek& entry) {
    std::string line = std::to_string(entry.year) + ' ' + std::to_string(entry.month) + ' ' +
                       std::to_string(entry.week);
    for (int held : entry.districts)
        line += ' ' + std::to_string(held);
    line += '\n';
    return line;
}

std::string ChronicleText(const Chronicle& chronicle) {
    std::string text(kHeader);
    text += ' ' + std::to_string(chronicle.player) + '\n';
    text.reserve(text.size() + chronicle.weeks.size() * kLongestLine);
    for (const ChronicleWeek& entry : chronicle.weeks)
        text += ChronicleLine(entry);
    return text;
}

std::optional<Chronicle> ReadChronicleText(std::string_view text) {
    if (text.size() > kMaxBytes) return std::nullopt;
    // A line cut short by a kill is no part of the chronicle.
    const std::size_t lastBreak = text.rfind('\n');
    if (lastBreak == std::string_view::npos) return std::nullopt;
    text = text.substr(0, lastBreak + 1);

    Chronicle chronicle;
    const std::size_t headerEnd = text.find('\n');
    const std::string_view header = text.substr(0, headerEnd);
    text.remove_prefix(headerEnd + 1);
    if (!header.starts_with(kHeader)) return std::nullopt;
    auto player = Numbers(header.substr(kHeader.size()));
    if (!player || player->size() != 1 || (*player)[0] < 0 || (*player)[0] >= kGroupCount) {
        return std::nullopt;
    }
    chronicle.player = (*player)[0];
    chronicle.weeks.reserve(text.size() / kLongestLine);
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        auto entry = ReadWeek(text.substr(0, end));
        text.remove_prefix(end + 1);
        if (!entry) return std::nullopt;
        // Weeks go forward; a week written again follows itself.
        if (!chronicle.weeks.empty() && WeekNumber(chronicle.weeks.back()) > WeekNumber(*entry)) {
            return std::nullopt;
        }
        chronicle.weeks.push_back(*entry);
    }
    if (chronicle.weeks.empty()) return std::nullopt;
    return chronicle;
}

std::optional<Chronicle> FitChronicle(Chronicle read, const World& world) {
    if (read.player != world.PlayerGroupIndex) return std::nullopt;
    const GroupTable<int> held = DistrictsHeld(world);
    for (std::size_t i = read.weeks.size(); i-- > 0;) {
        if (SameWeek(read.weeks[i], world) && read.weeks[i].districts == held) {
            read.weeks.resize(i + 1);
            DropRewrittenWeeks(read.weeks);
            return read;
        }
    }
    // A chronicle one week short: written before its slot by a program that wrote it second.
    if (!read.weeks.empty() &&
        WeekNumber(read.weeks.back()) + 1 == WeekNumber(world.Year, world.Month, world.Week)) {
        DropRewrittenWeeks(read.weeks);
        read.Note(world);
        return read;
    }
    return std::nullopt;
}

std::filesystem::path ChroniclePath(const std::filesystem::path& slotPath) {
    std::filesystem::path path = slotPath;
    path.replace_extension(".chronicle");
    return path;
}

int SaveChronicle(const Chronicle& chronicle, const std::filesystem::path& slotPath) {
    return WriteFileWhole(ChroniclePath(slotPath), ChronicleText(chronicle));
}

ChronicleFile::ChronicleFile(const std::filesystem::path& slotPath)
    : path_(ChroniclePath(slotPath)) {}

int ChronicleFile::WriteWhole(const Chronicle& chronicle) {
    known_ = false;
    if (const int error = WriteFileWhole(path_, ChronicleText(chronicle)); error != 0) {
        return error;
    }
    struct stat info {};
    if (::lstat(path_.c_str(), &info) != 0) return 0;  // written; the next save writes it whole
    known_ = true;
    device_ = info.st_dev;
    inode_ = info.st_ino;
    size_ = static_cast<std::uintmax_t>(info.st_size);
    player_ = chronicle.player;
    weeks_ = chronicle.weeks.size();
    last_ = chronicle.weeks.empty() ? ChronicleWeek{} : chronicle.weeks.back();
    return 0;
}

int ChronicleFile::Write(const Chronicle& chronicle) {
    // What is written goes on from the file only when the same game's weeks up to the last one
    // written are still the chronicle's.
    const bool goesOn = known_ && weeks_ > 0 && player_ == chronicle.player &&
                        chronicle.weeks.size() >= weeks_ &&
                        SameDate(chronicle.weeks[weeks_ - 1], last_);
    if (!goesOn) return WriteWhole(chronicle);

    std::string more;
    if (!(chronicle.weeks[weeks_ - 1] == last_)) more += ChronicleLine(chronicle.weeks[weeks_ - 1]);
    for (std::size_t i = weeks_; i < chronicle.weeks.size(); ++i)
        more += ChronicleLine(chronicle.weeks[i]);
    if (more.empty()) return 0;
    if (size_ + more.size() > kMaxBytes) return WriteWhole(chronicle);

    // O_NOFOLLOW: a link put in the file's place is not written through.
    const int fd = ::open(path_.c_str(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT || errno == ELOOP ? WriteWhole(chronicle) : errno;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_dev != device_ ||
        info.st_ino != inode_ || static_cast<std::uintmax_t>(info.st_size) != size_) {
        // Someone else wrote it since (another copy of the game, the player): written whole.
        ::close(fd);
        return WriteWhole(chronicle);
    }
    int error = WriteAll(fd, more);
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (error != 0) {
        // What was written in part is taken back, so the file holds what it held before.
        if (::ftruncate(fd, static_cast<off_t>(size_)) != 0 || ::fsync(fd) != 0) known_ = false;
        ::close(fd);
        return error;
    }
    if (::close(fd) != 0) {
        known_ = false;
        return 0;
    }
    size_ += more.size();
    weeks_ = chronicle.weeks.size();
    last_ = chronicle.weeks.back();
    return 0;
}

std::optional<Chronicle> LoadChronicle(const std::filesystem::path& slotPath) {
    // Whatever lies beside the slot is read as a slot is: a folder, a FIFO or a huge file there is
    // no chronicle, and the game starts a new one.
    const SmallFile file = ReadSmallFile(ChroniclePath(slotPath), kMaxBytes);
    if (file.state != SmallFile::State::Read) return std::nullopt;
    return ReadChronicleText(file.bytes);
}

}  // namespace golmok
