#include "game/NewsFile.h"

#include <charconv>
#include <vector>

#include "world/Numbers.h"
#include "world/SavedGames.h"
#include "world/SmallFiles.h"

namespace golmok {

namespace {

constexpr std::string_view kHeader = "golmok-news";
constexpr std::string_view kVersion = "2";
constexpr std::string_view kOldVersion = "1";
constexpr std::string_view kEndWord = "end";
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

}  // namespace

std::string NewsFileText(const WeekNews& news, const World& saved) {
    std::string text = std::string(kHeader) + ' ' + std::string(kVersion) + ' ' +
                       FingerprintText(SlotFingerprint(saved)) + ' ' + (news.kept ? "1" : "0") +
                       '\n';
    for (const TurnEvent& e : news.events)
        text += std::string(kThisWeek) + ' ' + EventText(e) + '\n';
    for (const TurnEvent& e : news.lastWeek)
        text += std::string(kLastWeek) + ' ' + EventText(e) + '\n';
    text += std::string(kEndWord) + ' ' +
            std::to_string(news.events.size() + news.lastWeek.size()) + '\n';
    return text;
}

NewsRead ReadNewsFile(std::string_view text, const World* loaded) {
    const auto refuse = [](const char* why) { return NewsRead{std::nullopt, why, false}; };
    constexpr const char* kNotNews = "소식 파일의 내용이 아닙니다";
    constexpr const char* kCut = "끝 표시가 없습니다: 잘린 파일입니다";
    if (!text.ends_with('\n')) return refuse(kCut);
    text.remove_suffix(1);
    std::vector<std::string_view> lines = Split(text, '\n');
    const std::vector<std::string_view> header = Split(lines[0], ' ');
    if (header.size() != 4 || header[0] != kHeader) return refuse(kNotNews);
    const bool old = header[1] == kOldVersion;
    if (!old && header[1] != kVersion) return refuse(kNotNews);
    if (header[3] != "0" && header[3] != "1") return refuse(kNotNews);
    if (!old) {
        // The last line says the file is whole; a file cut anywhere has lost it.
        const std::vector<std::string_view> last = Split(lines.back(), ' ');
        if (lines.size() < 2 || last.size() != 2 || last[0] != kEndWord) return refuse(kCut);
        const auto count = ReadWhole(last[1], 0, 1 << 20);
        if (!count || static_cast<std::size_t>(*count) != lines.size() - 2) {
            return refuse("끝 표시의 소식 수가 맞지 않습니다: 잘린 파일입니다");
        }
        lines.pop_back();
    }
    if (loaded && header[2] != FingerprintText(SlotFingerprint(*loaded))) {
        return refuse("다른 게임의 소식입니다");
    }
    WeekNews news;
    news.kept = header[3] == "1";
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string_view> words = Split(lines[i], ' ');
        const std::optional<TurnEvent> event = ReadEvent(words);
        if (!event) return refuse(kNotNews);
        if (words[0] == kThisWeek && news.lastWeek.empty()) {
            news.events.push_back(*event);
        } else if (words[0] == kLastWeek) {
            news.lastWeek.push_back(*event);
        } else {
            return refuse(kNotNews);
        }
    }
    return {std::move(news), {}, old};
}

std::optional<WeekNews> ReadNewsFileText(std::string_view text, const World& loaded) {
    return ReadNewsFile(text, &loaded).news;
}

bool SoundNewsFile(std::string_view bytes) {
    return ReadNewsFile(bytes, nullptr).news.has_value();
}

LoadedNews LoadNews(const World& loaded, const std::filesystem::path& slotPath) {
    LoadedNews result;
    bool old = false;
    const CompanionSearch found =
        FindCompanion(slotPath, SlotFingerprint(loaded), kNewsExtension, kMaxNewsBytes,
                      [&](std::string_view bytes, bool /*legacy*/) -> std::string {
                          NewsRead read = ReadNewsFile(bytes, &loaded);
                          if (!read.news) return read.why;
                          result.news = std::move(read.news);
                          old = read.old;
                          return {};
                      });
    if (!found.path.empty()) {
        if (old) {
            result.notices.push_back("이번 주 소식 파일 " + found.path.filename().string() +
                                     "은(는) 예전 판이 저장한 것이라 잘리지 않았는지 확인할 수 "
                                     "없습니다.");
        }
        return result;
    }
    result.news.reset();
    for (const auto& [path, why] : found.unreadable) {
        result.notices.push_back("이번 주 소식 파일 " + path.filename().string() +
                                 "을(를) 읽을 수 없습니다 (" + why + "). 그 파일은 그대로 둡니다.");
    }
    return result;
}

}  // namespace golmok
