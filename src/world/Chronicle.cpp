#include "world/Chronicle.h"

#include <charconv>
#include <system_error>
#include <tuple>

#include "world/SavedGames.h"
#include "world/SmallFiles.h"

namespace golmok {

namespace {

constexpr std::string_view kHeader = "golmok-chronicle 1";
// A thousand years of weeks is well under this; anything larger is not a chronicle of ours.
constexpr std::uintmax_t kMaxChronicleBytes = std::uintmax_t{4} << 20;

bool SameWeek(const ChronicleWeek& entry, const World& world) {
    return entry.year == world.Year && entry.month == world.Month && entry.week == world.Week;
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

}  // namespace

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

bool Chronicle::Fits(const World& world) const {
    return player == world.PlayerGroupIndex && !weeks.empty() && SameWeek(weeks.back(), world) &&
           weeks.back().districts == DistrictsHeld(world);
}

Chronicle StartChronicle(const World& world) {
    Chronicle chronicle;
    chronicle.player = world.PlayerGroupIndex;
    chronicle.Note(world);
    return chronicle;
}

std::string ChronicleText(const Chronicle& chronicle) {
    std::string text(kHeader);
    text += ' ' + std::to_string(chronicle.player) + '\n';
    for (const ChronicleWeek& entry : chronicle.weeks) {
        text += std::to_string(entry.year) + ' ' + std::to_string(entry.month) + ' ' +
                std::to_string(entry.week);
        for (int held : entry.districts)
            text += ' ' + std::to_string(held);
        text += '\n';
    }
    return text;
}

std::optional<Chronicle> ReadChronicleText(std::string_view text) {
    if (text.size() > kMaxChronicleBytes) return std::nullopt;
    Chronicle chronicle;
    bool header = true;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) return std::nullopt;  // every line ends with a break
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 1);
        if (header) {
            if (!line.starts_with(kHeader)) return std::nullopt;
            auto player = Numbers(line.substr(kHeader.size()));
            if (!player || player->size() != 1 || (*player)[0] < 0 || (*player)[0] >= kGroupCount) {
                return std::nullopt;
            }
            chronicle.player = (*player)[0];
            header = false;
            continue;
        }
        auto numbers = Numbers(line);
        if (!numbers || numbers->size() != 3 + kGroupCount) return std::nullopt;
        ChronicleWeek entry;
        entry.year = (*numbers)[0];
        entry.month = (*numbers)[1];
        entry.week = (*numbers)[2];
        if (entry.year < 1930 || entry.year > 9999 || entry.month < 1 || entry.month > 12 ||
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
        // Weeks follow one another; a game loaded from an older slot starts a chronicle of its own.
        if (!chronicle.weeks.empty()) {
            const ChronicleWeek& last = chronicle.weeks.back();
            if (std::tie(last.year, last.month, last.week) >=
                std::tie(entry.year, entry.month, entry.week)) {
                return std::nullopt;
            }
        }
        chronicle.weeks.push_back(entry);
    }
    if (header || chronicle.weeks.empty()) return std::nullopt;
    return chronicle;
}

std::filesystem::path ChroniclePath(const std::filesystem::path& slotPath) {
    std::filesystem::path path = slotPath;
    path.replace_extension(".chronicle");
    return path;
}

bool SaveChronicle(const Chronicle& chronicle, const std::filesystem::path& slotPath) {
    const std::filesystem::path path = ChroniclePath(slotPath);
    if (WriteFileWhole(path, ChronicleText(chronicle)) == 0) return true;
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    return false;
}

std::optional<Chronicle> LoadChronicle(const std::filesystem::path& slotPath) {
    // Whatever lies beside the slot is read as a slot is: a folder, a FIFO or a huge file there is
    // no chronicle, and the game starts a new one.
    const SmallFile file = ReadSmallFile(ChroniclePath(slotPath), kMaxChronicleBytes);
    if (file.state != SmallFile::State::Read) return std::nullopt;
    return ReadChronicleText(file.bytes);
}

}  // namespace golmok
