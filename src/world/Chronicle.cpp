#include "world/Chronicle.h"

#include <charconv>
#include <iterator>
#include <system_error>
#include <utility>

#include "world/SavedGames.h"
#include "world/SmallFiles.h"

namespace golmok {

namespace {

constexpr std::string_view kHeader = "golmok-chronicle 2";
// The header of the files of earlier versions, which have no end line.
constexpr std::string_view kOldHeader = "golmok-chronicle 1";
constexpr std::string_view kEndWord = "end ";
// The longest line: "9999 12 4" and seven gangs of up to two digits, then the line break.
constexpr std::uintmax_t kLongestLine = 9 + 3 * kGroupCount + 1;
constexpr std::uintmax_t kMostWeeks = std::uintmax_t{kLastYear - kFirstYear + 1} * 12 * 4;
constexpr std::uintmax_t kMaxBytes = 2 * (kHeader.size() + 3 + kMostWeeks * kLongestLine + 16);

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

namespace {

// Appends one week's line; written by hand because a long game's chronicle has hundreds of
// thousands of them, and a save writes them all.
void AppendLine(std::string& text, const ChronicleWeek& entry) {
    const auto put = [&text](int value) {
        char digits[12];
        text.append(digits, std::to_chars(std::begin(digits), std::end(digits), value).ptr);
    };
    put(entry.year);
    text += ' ';
    put(entry.month);
    text += ' ';
    put(entry.week);
    for (int held : entry.districts) {
        text += ' ';
        put(held);
    }
    text += '\n';
}

}  // namespace

std::string ChronicleLine(const ChronicleWeek& entry) {
    std::string line;
    AppendLine(line, entry);
    return line;
}

std::string ChronicleText(const Chronicle& chronicle) {
    std::string text(kHeader);
    text += ' ' + std::to_string(chronicle.player) + '\n';
    text.reserve(text.size() + chronicle.weeks.size() * kLongestLine);
    for (const ChronicleWeek& entry : chronicle.weeks)
        AppendLine(text, entry);
    text += kEndWord;
    text += std::to_string(chronicle.weeks.size());
    text += '\n';
    return text;
}

ChronicleRead ReadChronicleFile(std::string_view text) {
    const auto refuse = [](const char* why) { return ChronicleRead{std::nullopt, why}; };
    constexpr const char* kNotAChronicle = "연대기 파일의 내용이 아닙니다";
    if (text.size() > kMaxBytes) return refuse("파일이 너무 큽니다");
    const bool old = text.starts_with(kOldHeader);
    if (!old && !text.starts_with(kHeader)) return refuse(kNotAChronicle);
    std::optional<std::size_t> counted;
    if (old) {
        // A line cut short by a kill is no part of the chronicle.
        const std::size_t lastBreak = text.rfind('\n');
        if (lastBreak == std::string_view::npos) return refuse(kNotAChronicle);
        text = text.substr(0, lastBreak + 1);
    } else {
        // The last line says the file is whole; a file cut anywhere has lost it.
        if (!text.ends_with('\n')) return refuse("끝 표시가 없습니다: 잘린 파일입니다");
        const std::size_t lastStart = text.rfind('\n', text.size() - 2) + 1;
        const std::string_view last = text.substr(lastStart, text.size() - 1 - lastStart);
        if (lastStart == 0 || !last.starts_with(kEndWord)) {
            return refuse("끝 표시가 없습니다: 잘린 파일입니다");
        }
        auto count = Numbers(last.substr(kEndWord.size()));
        if (!count || count->size() != 1 || (*count)[0] < 0) return refuse(kNotAChronicle);
        counted = static_cast<std::size_t>((*count)[0]);
        text = text.substr(0, lastStart);
    }

    Chronicle chronicle;
    const std::size_t headerEnd = text.find('\n');
    const std::string_view header = text.substr(0, headerEnd);
    text.remove_prefix(headerEnd + 1);
    auto player = Numbers(header.substr(kHeader.size()));
    if (!player || player->size() != 1 || (*player)[0] < 0 || (*player)[0] >= kGroupCount) {
        return refuse(kNotAChronicle);
    }
    chronicle.player = (*player)[0];
    chronicle.weeks.reserve(text.size() / kLongestLine);
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        auto entry = ReadWeek(text.substr(0, end));
        text.remove_prefix(end + 1);
        if (!entry) return refuse(kNotAChronicle);
        // Weeks go forward; a week written again follows itself.
        if (!chronicle.weeks.empty() && WeekNumber(chronicle.weeks.back()) > WeekNumber(*entry)) {
            return refuse(kNotAChronicle);
        }
        chronicle.weeks.push_back(*entry);
    }
    if (chronicle.weeks.empty()) return refuse(kNotAChronicle);
    if (counted && *counted != chronicle.weeks.size()) {
        return refuse("끝 표시의 주 수가 맞지 않습니다: 잘린 파일입니다");
    }
    return {std::move(chronicle), {}};
}

std::optional<Chronicle> ReadChronicleText(std::string_view text) {
    return ReadChronicleFile(text).chronicle;
}

bool SoundChronicleFile(std::string_view bytes) {
    return ReadChronicleFile(bytes).chronicle.has_value();
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

LoadedChronicle LoadChronicle(const std::filesystem::path& slotPath, const World& loaded) {
    LoadedChronicle result;
    const CompanionSearch found =
        FindCompanion(slotPath, SlotFingerprint(loaded), kChronicleExtension, kMaxBytes,
                      [&](std::string_view bytes, bool /*legacy*/) -> std::string {
                          ChronicleRead read = ReadChronicleFile(bytes);
                          if (!read.chronicle) return read.why;
                          result.chronicle = FitChronicle(std::move(*read.chronicle), loaded);
                          if (!result.chronicle) return "이 게임의 연대기가 아닙니다";
                          return {};
                      });
    if (!found.path.empty()) return result;
    result.chronicle.reset();
    const std::string week = std::to_string(loaded.Year) + "년 " + std::to_string(loaded.Month) +
                             "월 " + std::to_string(loaded.Week) + "주";
    for (const auto& [path, why] : found.unreadable) {
        std::string notice = "연대기 파일 ";
        notice += path.filename().string();
        notice += "을(를) 읽을 수 없습니다 (";
        notice += why;
        notice += "). 그 파일은 그대로 두고, 연대기는 ";
        notice += week;
        notice += "부터 새로 시작합니다.";
        result.notices.push_back(std::move(notice));
    }
    return result;
}

}  // namespace golmok
