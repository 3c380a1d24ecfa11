#include "game/TurnNews.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "world/Numbers.h"

namespace golmok {

namespace {

constexpr const char* kNoGangName = "무소속";

// The last syllable's final consonant, or -1 when the text does not end in a Hangul syllable:
// 0 for none, 8 for ㄹ.
int FinalConsonant(std::string_view text) {
    if (text.size() < 3) return -1;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const std::size_t i = text.size() - 3;
    if ((byte(i) & 0xF0) != 0xE0) return -1;
    const unsigned code =
        ((byte(i) & 0x0Fu) << 12) | ((byte(i + 1) & 0x3Fu) << 6) | (byte(i + 2) & 0x3Fu);
    if (code < 0xAC00 || code > 0xD7A3) return -1;
    return static_cast<int>((code - 0xAC00) % 28);
}

// The word and the particle that fits its last sound: 이/가, 을/를, 과/와. A word that does not
// end in Hangul takes the form after a vowel.
std::string With(const std::string& word, const char* afterConsonant, const char* afterVowel) {
    return word + (FinalConsonant(word) > 0 ? afterConsonant : afterVowel);
}
std::string Subject(const std::string& word) {
    return With(word, "이", "가");
}
std::string Object(const std::string& word) {
    return With(word, "을", "를");
}
// 으로/로: ㄹ takes 로 like a vowel.
std::string Towards(const std::string& word) {
    const int final = FinalConsonant(word);
    return word + (final > 0 && final != 8 ? "으로" : "로");
}

std::string GangName(const World& w, int gang) {
    return gang >= 0 && gang < kGroupCount ? w.GroupName[gang] : kNoGangName;
}

std::string CityName(const World& w, int city) {
    return city >= 0 && city < kCityCount ? w.CityName[city] : std::string();
}

std::string HumanName(const World& w, int human) {
    return human >= 0 && human < kHumanCount ? w.HumanName[human] : std::string();
}

const char* KindWord(TurnEventKind kind) {
    switch (kind) {
        case TurnEventKind::Taken:
            return "taken";
        case TurnEventKind::Attack:
            return "attack";
        case TurnEventKind::Poached:
            return "poached";
        case TurnEventKind::Recruited:
            return "recruited";
        case TurnEventKind::ChangedSides:
            return "changed-sides";
        case TurnEventKind::AllianceEnded:
            return "alliance-ended";
        case TurnEventKind::Commerce:
            return "commerce";
        case TurnEventKind::Comeback:
            return "comeback";
    }
    return "?";
}

}  // namespace

int GangOf(const World& world, int human) {
    if (auto g = world.GroupIndexOf(world.HumanGroup[human])) return *g;
    return -1;
}

void RecordEndedAlliances(const GroupTable<double>& allyBefore, const World& after,
                          TurnNews& news) {
    for (int g = 0; g < kGroupCount; ++g) {
        if (allyBefore[g] == 1 && after.GroupAlly[g] != 1) {
            TurnEvent ended;
            ended.kind = TurnEventKind::AllianceEnded;
            ended.gang = g;
            news.push_back(ended);
        }
    }
}

std::string NewsLine(const TurnEvent& e) {
    std::string line = std::string("news ") + KindWord(e.kind);
    const auto add = [&](const char* key, const std::string& value) {
        line += ' ';
        line += key;
        line += '=';
        line += value;
    };
    const auto number = [&](const char* key, double value) { add(key, FormatNumber(value)); };
    switch (e.kind) {
        case TurnEventKind::Taken:
            number("city", e.city);
            number("by", e.gang);
            number("from", e.fromGang);
            number("attacker", e.fromCity);
            add("fought", e.fought ? "True" : "False");
            break;
        case TurnEventKind::Attack:
            number("city", e.city);
            number("by", e.gang);
            number("attacker", e.fromCity);
            break;
        case TurnEventKind::Poached:
            number("human", e.human);
            number("by", e.gang);
            number("from", e.fromGang);
            number("city", e.city);
            break;
        case TurnEventKind::Recruited:
            number("group", e.gang);
            number("members", e.members);
            number("people", e.people);
            break;
        case TurnEventKind::ChangedSides:
            number("human", e.human);
            number("city", e.city);
            number("from", e.fromGang);
            number("to", e.gang);
            break;
        case TurnEventKind::AllianceEnded:
            number("group", e.gang);
            break;
        case TurnEventKind::Commerce:
            number("city", e.city);
            number("by", e.gang);
            number("money", e.money);
            break;
        case TurnEventKind::Comeback:
            number("city", e.city);
            number("by", e.gang);
            number("from", e.fromGang);
            number("human", e.human);
            break;
    }
    return line;
}

namespace {

// How many times, as the news says it: "두 번" .. "열 번", then figures.
std::string Times(int times) {
    static constexpr const char* kWords[] = {"한",   "두",   "세",   "네",   "다섯",
                                             "여섯", "일곱", "여덟", "아홉", "열"};
    if (times >= 1 && times <= 10) return std::string(kWords[times - 1]) + " 번";
    return std::to_string(times) + "번";
}

// A person lured `times` times in one turn end: `e` is the last luring, with the gang he belonged
// to before the first.
std::string PoachedSentence(const World& w, const TurnEvent& e, int times) {
    const std::string by = GangName(w, e.gang);
    const std::string person = HumanName(w, e.human);
    const std::string city = Towards(CityName(w, e.city));
    const std::string owner = e.fromGang >= 0 ? GangName(w, e.fromGang) + "의 " : "조직이 없던 ";
    if (times > 1) {
        return owner + Subject(person) + " " + Times(times) + " 꾐에 넘어가 결국 " + by + "의 " +
               city + " 갔습니다.";
    }
    if (e.fromGang == e.gang)
        return Subject(by) + " " + Object(person) + " " + city + " 불러들였습니다.";
    return Subject(by) + " " + owner + Object(person) + " 꾀어 " + city + " 데려갔습니다.";
}

}  // namespace

std::string NewsSentence(const World& w, const TurnEvent& e) {
    const std::string by = GangName(w, e.gang);
    const std::string from = GangName(w, e.fromGang);
    const std::string city = CityName(w, e.city);
    const std::string person = HumanName(w, e.human);
    switch (e.kind) {
        case TurnEventKind::Taken: {
            const std::string owner = e.fromGang >= 0 ? from + "의 " : std::string();
            if (!e.fought)
                return Subject(by) + " 비어 있던 " + owner + Object(city) + " 차지했습니다.";
            return Subject(by) + " " + CityName(w, e.fromCity) + "에서 쳐들어가 " + owner +
                   Object(city) + " 빼앗았습니다.";
        }
        case TurnEventKind::Attack:
            return Subject(by) + " " + CityName(w, e.fromCity) + "에서 " + Towards(city) +
                   " 쳐들어왔습니다.";
        case TurnEventKind::Poached:
            return PoachedSentence(w, e, 1);
        case TurnEventKind::Recruited:
            return Subject(by) + " 조직원 " + FormatNumber(e.members) + "명을 새로 모았습니다.";
        case TurnEventKind::ChangedSides: {
            const std::string left = e.fromGang >= 0 ? Object(from) + " 떠나 " : std::string();
            return city + "의 " + Subject(person) + " " + left + by + "에 들어갔습니다.";
        }
        case TurnEventKind::AllianceEnded:
            return With(by, "과", "와") + "의 동맹이 끝났습니다.";
        case TurnEventKind::Commerce:
            return Subject(by) + " 우리 " + city + "에서 상업을 키웠습니다 (쓴 돈 " +
                   FormatMoney(e.money) + ").";
        case TurnEventKind::Comeback: {
            const std::string owner = e.fromGang >= 0 ? from + "의 " : std::string();
            return "구역을 모두 잃었던 " + Subject(by) + " 두목 " + Object(person) + " 앞세워 " +
                   owner + city + "에서 다시 일어섰습니다.";
        }
    }
    return {};
}

WeekNews NextWeekNews(const WeekNews& previous, TurnNews events) {
    WeekNews next;
    // Last week's lines are only worth comparing with when they were kept.
    if (previous.kept) next.lastWeek = previous.events;
    next.events = std::move(events);
    return next;
}

namespace {

bool IsPerson(int human) {
    return human >= 0 && human < kHumanCount;
}

// The district a taking ends, with the people who changed sides there right after it.
std::string TakenLine(const World& w, const TurnEvent& taken, const std::vector<int>& people) {
    std::string line = NewsSentence(w, taken);
    if (!taken.fought) {
        line.insert(line.size() - 1, " (빈 곳)");
        return line;
    }
    if (people.empty()) return line;
    std::string names;
    for (int h : people)
        names += (names.empty() ? "" : ", ") + HumanName(w, h);
    line.insert(line.size() - 1, " (넘어온 사람: " + names + ")");
    return line;
}

// One line for all of a week's recruiting, gang by gang in the order they recruited.
std::string RecruitedLine(const World& w, const TurnNews& news) {
    std::string line = "조직원 모집:";
    bool first = true;
    for (const TurnEvent& e : news) {
        if (e.kind != TurnEventKind::Recruited) continue;
        line += (first ? " " : ", ") + GangName(w, e.gang) + " " + FormatNumber(e.members) + "명";
        first = false;
    }
    return line;
}

// One line for the commerce gang `gang` raised in the player's districts this week, with the
// money it spent in each: "지존파가 우리 구역의 상업을 키웠습니다: 서초 191,308, 관악 99,012".
std::string CommerceLine(const World& w, const TurnNews& news, int gang) {
    std::string line = Subject(GangName(w, gang)) + " 우리 구역의 상업을 키웠습니다:";
    bool first = true;
    for (const TurnEvent& e : news) {
        if (e.kind != TurnEventKind::Commerce || e.gang != gang) continue;
        line += (first ? " " : ", ") + CityName(w, e.city) + " " + FormatMoney(e.money);
        first = false;
    }
    return line;
}

// The lines of one turn end's events, in the order they happened, before anything is left out
// as last week's.
std::vector<std::string> EventLines(const World& w, const TurnNews& news) {
    std::vector<std::string> lines;
    // A person lured from district to district is told once, at his last luring, from where
    // he stood before the first.
    HumanTable<int> lured{};
    HumanTable<int> startGang{};
    HumanTable<int> startCity{};
    for (const TurnEvent& e : news) {
        if (e.kind != TurnEventKind::Poached || !IsPerson(e.human)) continue;
        if (lured[e.human]++ == 0) {
            startGang[e.human] = e.fromGang;
            startCity[e.human] = e.fromCity;
        }
    }
    HumanTable<int> told{};
    bool recruitingTold = false;
    std::vector<int> commerceTold;  // the gangs whose commerce has its line
    for (std::size_t i = 0; i < news.size(); ++i) {
        const TurnEvent& e = news[i];
        switch (e.kind) {
            case TurnEventKind::Recruited:
                if (!recruitingTold) lines.push_back(RecruitedLine(w, news));
                recruitingTold = true;
                break;
            case TurnEventKind::Commerce:
                // One line a gang: a rival settles several of the player's districts a week.
                if (std::find(commerceTold.begin(), commerceTold.end(), e.gang) ==
                    commerceTold.end()) {
                    commerceTold.push_back(e.gang);
                    lines.push_back(CommerceLine(w, news, e.gang));
                }
                break;
            case TurnEventKind::Poached: {
                if (!IsPerson(e.human)) {
                    lines.push_back(NewsSentence(w, e));
                    break;
                }
                if (++told[e.human] < lured[e.human]) break;  // not his last move yet
                // Back where he started, with the gang he started with: nothing to tell.
                if (e.city == startCity[e.human] && e.gang == startGang[e.human]) break;
                TurnEvent whole = e;
                whole.fromGang = startGang[e.human];
                lines.push_back(PoachedSentence(w, whole, lured[e.human]));
                break;
            }
            case TurnEventKind::Taken: {
                // The people found there change sides right after the taking.
                std::vector<int> people;
                while (i + 1 < news.size() && news[i + 1].kind == TurnEventKind::ChangedSides &&
                       news[i + 1].city == e.city) {
                    people.push_back(news[++i].human);
                }
                lines.push_back(TakenLine(w, e, people));
                break;
            }
            default:
                lines.push_back(NewsSentence(w, e));
                break;
        }
    }
    return lines;
}

// The player's gang and the districts of every gang that holds one or lost its last this week,
// with this week's change: "우리 조직 거지파 | 지역: 거지파 4 (+1), 지존파 2 (-1), 불사파 0 (-1)".
std::string StandingsLine(const World& w, const TurnNews& news) {
    GroupTable<int> held{};
    for (int c = 0; c < kCityCount; ++c) {
        if (auto owner = w.OwnerOf(c)) held[*owner] += 1;
    }
    GroupTable<int> change{};
    for (const TurnEvent& e : news) {
        // A gang rising again where its boss stands takes the district as a taking does.
        if (e.kind != TurnEventKind::Taken && e.kind != TurnEventKind::Comeback) continue;
        if (e.gang >= 0 && e.gang < kGroupCount) change[e.gang] += 1;
        if (e.fromGang >= 0 && e.fromGang < kGroupCount) change[e.fromGang] -= 1;
    }
    std::string line = "우리 조직 " + GangName(w, w.PlayerGroupIndex) + " | 지역:";
    bool first = true;
    for (int g = 0; g < kGroupCount; ++g) {
        if (held[g] == 0 && change[g] == 0 && g != w.PlayerGroupIndex) continue;
        line += (first ? " " : ", ") + GangName(w, g) + " " + std::to_string(held[g]);
        if (change[g] != 0)
            line +=
                std::string(" (") + (change[g] > 0 ? "+" : "") + std::to_string(change[g]) + ")";
        first = false;
    }
    return line;
}

}  // namespace

std::vector<std::string> NewsWindowLines(const World& w, const WeekNews& news) {
    if (!news.kept) return {kNewsNotSaved};
    std::vector<std::string> lines{StandingsLine(w, news.events)};
    const std::vector<std::string> last = EventLines(w, news.lastWeek);
    int repeated = 0;
    for (std::string& line : EventLines(w, news.events)) {
        if (std::find(last.begin(), last.end(), line) != last.end()) {
            ++repeated;
        } else {
            lines.push_back(std::move(line));
        }
    }
    if (repeated > 0) lines.push_back("지난주와 같은 일 " + std::to_string(repeated) + "건");
    if (lines.size() == 1) lines.emplace_back(kQuietWeek);
    return lines;
}

}  // namespace golmok
