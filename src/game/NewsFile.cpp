#include "game/NewsFile.h"

#include <charconv>
#include <cstdio>
#include <vector>

#include "world/Numbers.h"
#include "world/SavedGames.h"
#include "world/SmallFiles.h"

namespace golmok {

namespace {

constexpr std::string_view kHeader = "golmok-news";
constexpr std::string_view kVersion = "1";
constexpr std::string_view kThisWeek = "this";
constexpr std::string_view kLastWeek = "last";

// The kind of a number in the file; every kind of the news is listed, so that a new one cannot be
// forgotten here (the compiler names a kind missing from the switch).
std::optional<TurnEventKind> KindOf(long long number) {
    if (number < 0 || number > 255) return std::nullopt;
    const auto kind = static_cast<TurnEventKind>(number);
    switch (kind) {
        case TurnEventKind::Taken:
        case TurnEventKind::Attack:
        case TurnEventKind::Poached:
        case TurnEventKind::Recruited:
        case TurnEventKind::ChangedSides:
        case TurnEventKind::AllianceEnded:
        case TurnEventKind::Commerce:
        case TurnEventKind::Comeback:
            return kind;
    }
    return std::nullopt;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    while (true) {
        const std::size_t end = text.find(separator);
        parts.push_back(text.substr(0, end));
        if (end == std::string_view::npos) return parts;
        text.remove_prefix(end + 1);
    }
}

std::optional<long long> ReadWhole(std::string_view word, long long low, long long high) {
    long long value = 0;
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc{} || end != word.data() + word.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

// A figure the game wrote: a plain decimal, nothing around it.
std::optional<double> ReadFigure(std::string_view word) {
    double value = 0;
    auto [end, ec] =
        std::from_chars(word.data(), word.data() + word.size(), value, std::chars_format::fixed);
    if (ec != std::errc{} || end != word.data() + word.size() || word.empty()) return std::nullopt;
    return value;
}

std::string EventText(const TurnEvent& e) {
    std::string text = std::to_string(static_cast<int>(e.kind));
    for (int value : {e.gang, e.fromGang, e.city, e.fromCity, e.human, e.fought ? 1 : 0}) {
        text += ' ';
        text += std::to_string(value);
    }
    text += ' ' + FormatNumber(e.members) + ' ' + std::to_string(e.people) + ' ' +
            FormatNumber(e.money);
    return text;
}

// The fields after the week word; nothing when any is out of place.
std::optional<TurnEvent> ReadEvent(const std::vector<std::string_view>& words) {
    if (words.size() != 11) return std::nullopt;
    const auto number = ReadWhole(words[1], 0, 255);
    const auto kind = number ? KindOf(*number) : std::nullopt;
    const auto gang = ReadWhole(words[2], -1, kGroupCount - 1);
    const auto fromGang = ReadWhole(words[3], -1, kGroupCount - 1);
    const auto city = ReadWhole(words[4], -1, kCityCount - 1);
    const auto fromCity = ReadWhole(words[5], -1, kCityCount - 1);
    const auto human = ReadWhole(words[6], -1, kHumanCount - 1);
    const auto fought = ReadWhole(words[7], 0, 1);
    const auto members = ReadFigure(words[8]);
    const auto people = ReadWhole(words[9], 0, kHumanCount);
    const auto money = ReadFigure(words[10]);
    if (!kind || !gang || !fromGang || !city || !fromCity || !human || !fought || !members ||
        !people || !money) {
        return std::nullopt;
    }
    TurnEvent e;
    e.kind = *kind;
    e.gang = static_cast<int>(*gang);
    e.fromGang = static_cast<int>(*fromGang);
    e.city = static_cast<int>(*city);
    e.fromCity = static_cast<int>(*fromCity);
    e.human = static_cast<int>(*human);
    e.fought = *fought == 1;
    e.members = *members;
    e.people = static_cast<int>(*people);
    e.money = *money;
    return e;
}

std::string Hex(std::uint64_t value) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

}  // namespace

std::filesystem::path NewsPath(const std::filesystem::path& slotPath) {
    std::filesystem::path path = slotPath;
    path.replace_extension(".news");
    return path;
}

std::uint64_t SavedGameFingerprint(const World& world) {
    // FNV-1a over the slot text: what a slot holds, and nothing it does not.
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : SaveText(world)) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

std::string NewsFileText(const WeekNews& news, const World& saved) {
    std::string text = std::string(kHeader) + ' ' + std::string(kVersion) + ' ' +
                       Hex(SavedGameFingerprint(saved)) + ' ' + (news.kept ? "1" : "0") + '\n';
    for (const TurnEvent& e : news.events)
        text += std::string(kThisWeek) + ' ' + EventText(e) + '\n';
    for (const TurnEvent& e : news.lastWeek)
        text += std::string(kLastWeek) + ' ' + EventText(e) + '\n';
    return text;
}

std::optional<WeekNews> ReadNewsFileText(std::string_view text, const World& loaded) {
    if (!text.ends_with('\n')) return std::nullopt;  // cut short
    text.remove_suffix(1);
    const std::vector<std::string_view> lines = Split(text, '\n');
    const std::vector<std::string_view> header = Split(lines[0], ' ');
    if (header.size() != 4 || header[0] != kHeader || header[1] != kVersion) return std::nullopt;
    if (header[2] != Hex(SavedGameFingerprint(loaded))) return std::nullopt;
    if (header[3] != "0" && header[3] != "1") return std::nullopt;
    WeekNews news;
    news.kept = header[3] == "1";
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string_view> words = Split(lines[i], ' ');
        const std::optional<TurnEvent> event = ReadEvent(words);
        if (!event) return std::nullopt;
        if (words[0] == kThisWeek && news.lastWeek.empty()) {
            news.events.push_back(*event);
        } else if (words[0] == kLastWeek) {
            news.lastWeek.push_back(*event);
        } else {
            return std::nullopt;
        }
    }
    return news;
}

bool SaveNews(const WeekNews& news, const World& saved, const std::filesystem::path& slotPath) {
    return WriteFileWhole(NewsPath(slotPath), NewsFileText(news, saved)) == 0;
}

std::optional<WeekNews> LoadNews(const World& loaded, const std::filesystem::path& slotPath) {
    // Read as a slot is: a folder, a FIFO or a huge file there is no news.
    const SmallFile file = ReadSmallFile(NewsPath(slotPath), kMaxNewsBytes);
    if (file.state != SmallFile::State::Read) return std::nullopt;
    return ReadNewsFileText(file.bytes, loaded);
}

}  // namespace golmok
