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

namespace {

// What the rivals' money bought in a district: "상업 52→53", after `separator`; nothing for news
// kept before the figure was.
std::string CommerceRise(const TurnEvent& e, const char* separator) {
    if (!(e.members > 0)) return {};
    return separator + std::string("상업 ") + FormatNumber(e.members - 1) + "→" +
           FormatNumber(e.members);
}

}  // namespace

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
                   FormatMoney(e.money) + CommerceRise(e, ", ") + ").";
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

bool IsCity(int city) {
    return city >= 0 && city < kCityCount;
}

// Names are told while they are few; beyond that, only how many.
constexpr std::size_t kFewNames = 3;

// The people who changed sides where a district was taken: "넘어온 사람: 박달, 이철", or
// "넘어온 사람 5명" where a list of districts would grow too long with their names.
std::string ChangedSidesNote(const World& w, const std::vector<int>& people, bool counted) {
    if (counted) return "넘어온 사람 " + std::to_string(people.size()) + "명";
    std::string names;
    for (int h : people)
        names += (names.empty() ? "" : ", ") + HumanName(w, h);
    return "넘어온 사람: " + names;
}

// The district a taking ends, with the people who changed sides there right after it.
std::string TakenLine(const World& w, const TurnEvent& taken, const std::vector<int>& people) {
    std::string line = NewsSentence(w, taken);
    if (!taken.fought) {
        line.insert(line.size() - 1, " (빈 곳)");
        return line;
    }
    if (people.empty()) return line;
    line.insert(line.size() - 1, " (" + ChangedSidesNote(w, people, false) + ")");
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

// One line for the commerce the rival gangs raised in the player's districts this week, with
// the money each spent in each district: "지존파가 우리 구역의 상업을 키웠습니다: 서초 191,308,
// 관악 99,012", or, when several gangs did, "다른 조직들이 우리 구역의 상업을 키웠습니다: 지존파
// 서초 191,308; 불사파 금천 34,759".
std::string CommerceLine(const World& w, const TurnNews& news) {
    // Each district's figure says what the money bought: "서초 191,308 (상업 52→53)".
    std::vector<int> gangs;  // in the order they spent
    for (const TurnEvent& e : news) {
        if (e.kind == TurnEventKind::Commerce &&
            std::find(gangs.begin(), gangs.end(), e.gang) == gangs.end()) {
            gangs.push_back(e.gang);
        }
    }
    const bool several = gangs.size() > 1;
    std::string line = several ? std::string("다른 조직들이")
                               : Subject(GangName(w, gangs.empty() ? -1 : gangs.front()));
    line += " 우리 구역의 상업을 키웠습니다:";
    for (std::size_t g = 0; g < gangs.size(); ++g) {
        line += g == 0 ? " " : "; ";
        if (several) line += GangName(w, gangs[g]) + " ";
        bool first = true;
        for (const TurnEvent& e : news) {
            if (e.kind != TurnEventKind::Commerce || e.gang != gangs[g]) continue;
            line += (first ? "" : ", ") + CityName(w, e.city) + " " + FormatMoney(e.money);
            if (e.members > 0) line += " (" + CommerceRise(e, "") + ")";
            first = false;
        }
    }
    return line;
}

// A person lured away this week, told once from where he stood before his first luring to where
// his last one took him: `whole` is his last luring with the gang and district he started from.
struct Luring {
    TurnEvent whole;
    int times = 1;
};

// A gang's own man, moved by it to another of its districts.
constexpr const char* kOwnMan = "제 식구";

// Where a person lured among the rival gangs came from, as a list of them says it.
std::string LuredFrom(const World& w, const TurnEvent& e) {
    if (e.fromGang == e.gang) return kOwnMan;
    return e.fromGang >= 0 ? GangName(w, e.fromGang) : std::string(kNoGangName);
}

// The lurings among the rival gangs, in one line: the names while they are few, otherwise how
// many each gang lured and from whom. A single one keeps its own sentence.
std::string RivalLuringsLine(const World& w, const std::vector<Luring>& lurings) {
    if (lurings.size() == 1) return PoachedSentence(w, lurings.front().whole, lurings.front().times);
    std::vector<int> gangs;  // the luring gangs, in the order they first lured
    for (const Luring& l : lurings) {
        if (std::find(gangs.begin(), gangs.end(), l.whole.gang) == gangs.end())
            gangs.push_back(l.whole.gang);
    }
    const bool named = lurings.size() <= kFewNames;
    // A gang moving its own man to another of its districts lures nobody: the line says so.
    const bool ownMoved = std::any_of(lurings.begin(), lurings.end(), [](const Luring& l) {
        return l.whole.fromGang == l.whole.gang;
    });
    std::string line = (ownMoved ? "다른 조직들이 " : "다른 조직끼리 ") +
                       std::to_string(lurings.size()) +
                       (ownMoved ? "명을 꾀거나 불러들였습니다:" : "명을 꾀어 갔습니다:");
    for (std::size_t g = 0; g < gangs.size(); ++g) {
        line += g == 0 ? " " : (named ? "; " : ", ");
        // Whom the gang lured: by name, or how many from each gang in the order they came.
        std::vector<std::pair<std::string, int>> sources;
        std::string names;
        int lured = 0;
        for (const Luring& l : lurings) {
            if (l.whole.gang != gangs[g]) continue;
            lured += 1;
            const std::string from = LuredFrom(w, l.whole);
            names += (names.empty() ? "" : ", ") +
                     (l.whole.fromGang == l.whole.gang ? from + " " : from + "의 ") +
                     HumanName(w, l.whole.human);
            auto source = std::find_if(sources.begin(), sources.end(),
                                       [&](const auto& s) { return s.first == from; });
            if (source == sources.end()) {
                sources.emplace_back(from, 1);
            } else {
                source->second += 1;
            }
        }
        if (named) {
            line += Subject(GangName(w, gangs[g])) + " " + names;
            continue;
        }
        line += GangName(w, gangs[g]) + " " + std::to_string(lured) + "명 (";
        for (std::size_t s = 0; s < sources.size(); ++s) {
            line += (s == 0 ? "" : ", ") + sources[s].first +
                    (sources[s].first == kOwnMan ? " " : "에서 ") +
                    std::to_string(sources[s].second);
        }
        line += ")";
    }
    return line;
}

// A district that changed hands among the rival gangs, every taking of it this week in a row
// told as one: from the owner before the first taking to the owner after the last.
struct Takeover {
    TurnEvent last;              // the last taking: the new owner, the district
    int firstOwner = -1;         // whose it was before the first taking
    int times = 0;               // how many times it changed hands
    bool fought = false;         // somebody stood there at one of the takings
    std::vector<int> people;     // who changed sides there and stayed on the new side
    std::vector<int> wasWith;    // while the week goes on: each one's gang before he first
    std::vector<int> nowWith;    // changed sides, and his gang now
    std::vector<int> leftFrom;   // the districts the winning parties came out of
};

// One district's takeover, as a list of them says it: "영웅파의 동대문 (넘어온 사람: 박달)";
// in a long list, or where many came over, only how many ("넘어온 사람 4명").
std::string TakeoverEntry(const World& w, const Takeover& t, bool longList) {
    const bool back = t.firstOwner == t.last.gang;
    std::string entry = back || t.firstOwner < 0 ? std::string() : GangName(w, t.firstOwner) + "의 ";
    entry += CityName(w, t.last.city);
    std::vector<std::string> notes;
    if (t.times > 1) {
        notes.push_back("주인이 " + Times(t.times) + " 바뀐 끝에" + (back ? " 되찾음" : ""));
    }
    if (!t.fought) {
        notes.emplace_back("빈 곳");
    } else if (!t.people.empty()) {
        notes.push_back(ChangedSidesNote(w, t.people, longList || t.people.size() > kFewNames));
    }
    for (std::size_t n = 0; n < notes.size(); ++n)
        entry += (n == 0 ? " (" : ", ") + notes[n];
    if (!notes.empty()) entry += ")";
    return entry;
}

// The districts that changed hands among the rival gangs, in one line and in the order they
// changed hands, the takings of one gang in a row under its name. A single taking keeps its own
// sentence.
std::string RivalTakingsLine(const World& w, const std::vector<Takeover>& takeovers) {
    if (takeovers.size() == 1) {
        const Takeover& t = takeovers.front();
        if (t.times == 1) return TakenLine(w, t.last, t.people);
        // "영웅파의 동대문은 주인이 세 번 바뀐 끝에 흑사파가 차지했습니다 (넘어온 사람: 박달)."
        const std::string owner = t.firstOwner >= 0 ? GangName(w, t.firstOwner) + "의 " : "";
        const std::string city = CityName(w, t.last.city);
        std::string line = owner + With(city, "은", "는") + " 주인이 " + Times(t.times) +
                           " 바뀐 끝에 " + Subject(GangName(w, t.last.gang)) +
                           (t.firstOwner == t.last.gang ? " 되찾았습니다" : " 차지했습니다");
        if (!t.fought) {
            line += " (빈 곳)";
        } else if (!t.people.empty()) {
            line += " (" + ChangedSidesNote(w, t.people, false) + ")";
        }
        return line + ".";
    }
    std::string line = "다른 조직끼리 구역 " + std::to_string(takeovers.size()) +
                       "곳의 주인이 바뀌었습니다:";
    for (std::size_t i = 0; i < takeovers.size(); ++i) {
        const int owner = takeovers[i].last.gang;
        if (i == 0 || takeovers[i - 1].last.gang != owner) {
            line += (i == 0 ? " " : "; ") + Subject(GangName(w, owner)) + " ";
        } else {
            line += ", ";
        }
        line += TakeoverEntry(w, takeovers[i], takeovers.size() > kFewNames);
    }
    return line;
}

enum class LineKind { Told, Recruiting, Commerce, RivalLurings, RivalTakings };

// One line of the window before it is put in words: a sentence told as it stands, or a line that
// gathers the week's events of one kind.
struct Line {
    LineKind kind = LineKind::Told;
    std::string text;
    std::vector<Luring> lurings;
    std::vector<Takeover> takeovers;
};

// The people who changed sides at the taking news[at], who follow it in the news.
std::vector<int> ChangedSidesAfter(const TurnNews& news, std::size_t at) {
    std::vector<int> people;
    for (std::size_t j = at + 1; j < news.size() && news[j].kind == TurnEventKind::ChangedSides &&
                                 news[j].city == news[at].city;
         ++j) {
        people.push_back(news[j].human);
    }
    return people;
}

// The lines of one turn end's events, in the order they happened, before anything is left out
// as last week's. What touches the player's gang is told one line each: his people lured away,
// his districts taken or attacked. What the rival gangs did among themselves is gathered: all
// their lurings in one line, all their takings in one line, all recruiting in one, all commerce
// in the player's districts in one. A gathered line stands where its first event happened; a
// taking is never told before what happened at its district earlier (a taking of it, a party
// going out of it, a man lured away from it): it waits for the line that tells that, or starts
// a new line after it.
std::vector<std::string> EventLines(const World& w, const TurnNews& news) {
    const int player = w.PlayerGroupIndex;
    const auto rival = [&](int gang) { return gang != player; };

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
    HumanTable<int> moves{};  // his lurings met so far

    // A district taken several times in a row among the rival gangs is one takeover, told at
    // its last taking. A taking that touches the player, or a gang rising again there, ends the
    // row.
    std::vector<Takeover> takeovers;
    std::vector<int> takeoverEndingAt(news.size(), -1);
    {
        CityTable<int> row{};
        row.fill(-1);
        std::vector<std::size_t> lastAt;
        for (std::size_t i = 0; i < news.size(); ++i) {
            const TurnEvent& e = news[i];
            if ((e.kind != TurnEventKind::Taken && e.kind != TurnEventKind::Comeback) ||
                !IsCity(e.city)) {
                continue;
            }
            if (e.kind == TurnEventKind::Comeback || !rival(e.gang) || !rival(e.fromGang)) {
                row[e.city] = -1;
                continue;
            }
            if (row[e.city] < 0) {
                row[e.city] = static_cast<int>(takeovers.size());
                takeovers.emplace_back();
                takeovers.back().firstOwner = e.fromGang;
                lastAt.push_back(i);
            }
            const auto k = static_cast<std::size_t>(row[e.city]);
            Takeover& t = takeovers[k];
            t.last = e;
            t.times += 1;
            t.fought = t.fought || e.fought;
            t.leftFrom.push_back(e.fromCity);
            // Who came over at each taking, with the gang he had before the first and the one
            // he has after the last.
            for (std::size_t j = i + 1; j < news.size() &&
                                        news[j].kind == TurnEventKind::ChangedSides &&
                                        news[j].city == e.city;
                 ++j) {
                const auto seen = std::find(t.people.begin(), t.people.end(), news[j].human);
                if (seen == t.people.end()) {
                    t.people.push_back(news[j].human);
                    t.wasWith.push_back(news[j].fromGang);
                    t.nowWith.push_back(news[j].gang);
                } else {
                    t.nowWith[static_cast<std::size_t>(seen - t.people.begin())] = news[j].gang;
                }
            }
            lastAt[k] = i;
        }
        for (std::size_t k = 0; k < takeovers.size(); ++k) {
            takeoverEndingAt[lastAt[k]] = static_cast<int>(k);
            // Somebody who changed sides and back again did not come over.
            Takeover& t = takeovers[k];
            std::vector<int> cameOver;
            for (std::size_t p = 0; p < t.people.size(); ++p) {
                if (t.wasWith[p] != t.nowWith[p]) cameOver.push_back(t.people[p]);
            }
            t.people = std::move(cameOver);
        }
    }

    std::vector<Line> lines;
    // For each district, the last line that tells of something that happened there: it was
    // taken, or people left it (a party going out, a man lured away).
    CityTable<int> toldAt{};
    toldAt.fill(-1);
    const auto tellsOf = [&](int city, int line) {
        if (IsCity(city)) toldAt[city] = std::max(toldAt[city], line);
    };
    const auto told = [&](std::string text) {
        lines.push_back(Line{LineKind::Told, std::move(text), {}, {}});
        return static_cast<int>(lines.size()) - 1;
    };
    // The line of `kind` open for an event in `city`: the one already begun, unless something
    // the event follows from is told after it.
    const auto gathering = [&](int& open, LineKind kind, int city) -> Line& {
        if (open < 0 || (IsCity(city) && toldAt[city] > open)) {
            lines.push_back(Line{kind, {}, {}, {}});
            open = static_cast<int>(lines.size()) - 1;
        }
        return lines[static_cast<std::size_t>(open)];
    };

    int recruiting = -1;
    int commerce = -1;
    int rivalLurings = -1;
    int rivalTakings = -1;
    // Takeovers of a district that a row of takings still to be told left empty wait for it.
    CityTable<int> awaitedRow{};
    awaitedRow.fill(-1);
    std::vector<std::vector<int>> waiting(takeovers.size());
    std::vector<bool> placed(takeovers.size(), false);
    const auto place = [&](auto& self, int k, bool mayWait) -> void {
        const Takeover& t = takeovers[static_cast<std::size_t>(k)];
        if (placed[static_cast<std::size_t>(k)]) return;
        const int awaited = awaitedRow[t.last.city];
        if (mayWait && awaited >= 0 && awaited != k &&
            !placed[static_cast<std::size_t>(awaited)]) {
            waiting[static_cast<std::size_t>(awaited)].push_back(k);
            return;
        }
        gathering(rivalTakings, LineKind::RivalTakings, t.last.city).takeovers.push_back(t);
        placed[static_cast<std::size_t>(k)] = true;
        tellsOf(t.last.city, rivalTakings);
        for (int city : t.leftFrom)
            tellsOf(city, rivalTakings);
        for (int next : waiting[static_cast<std::size_t>(k)])
            self(self, next, mayWait);
    };

    for (std::size_t i = 0; i < news.size(); ++i) {
        const TurnEvent& e = news[i];
        switch (e.kind) {
            case TurnEventKind::Recruited:
                gathering(recruiting, LineKind::Recruiting, -1);
                break;
            case TurnEventKind::Commerce:
                gathering(commerce, LineKind::Commerce, -1);
                break;
            case TurnEventKind::Poached: {
                if (!IsPerson(e.human)) {
                    tellsOf(e.fromCity, told(NewsSentence(w, e)));
                    break;
                }
                if (++moves[e.human] < lured[e.human]) break;  // not his last move yet
                // Back where he started, with the gang he started with: nothing to tell.
                if (e.city == startCity[e.human] && e.gang == startGang[e.human]) break;
                Luring l{e, lured[e.human]};
                l.whole.fromGang = startGang[e.human];
                l.whole.fromCity = startCity[e.human];
                int at = 0;
                if (!rival(l.whole.gang) || !rival(l.whole.fromGang)) {
                    at = told(PoachedSentence(w, l.whole, l.times));
                } else {
                    gathering(rivalLurings, LineKind::RivalLurings, -1).lurings.push_back(l);
                    at = rivalLurings;
                }
                tellsOf(l.whole.fromCity, at);
                tellsOf(e.fromCity, at);
                break;
            }
            case TurnEventKind::Taken: {
                const std::vector<int> people = ChangedSidesAfter(news, i);
                const int k = takeoverEndingAt[i];
                if (k >= 0) {
                    place(place, k, true);
                } else if (!rival(e.gang) || !rival(e.fromGang)) {
                    const int at = told(TakenLine(w, e, people));
                    tellsOf(e.city, at);
                    tellsOf(e.fromCity, at);
                } else if (IsCity(e.fromCity)) {
                    // An earlier taking in a row told at its last: a taking of the district its
                    // party came out of waits for that row.
                    for (std::size_t r = 0; r < takeovers.size(); ++r) {
                        if (!placed[r] && takeovers[r].last.city == e.city) {
                            awaitedRow[e.fromCity] = static_cast<int>(r);
                            break;
                        }
                    }
                }
                i += people.size();
                break;
            }
            case TurnEventKind::Attack:
                tellsOf(e.fromCity, told(NewsSentence(w, e)));
                break;
            case TurnEventKind::Comeback:
                tellsOf(e.city, told(NewsSentence(w, e)));
                break;
            default:
                told(NewsSentence(w, e));
                break;
        }
    }

    // Two rows that each left the other's district empty cannot both wait: whatever still
    // waits is told last rather than never.
    for (std::size_t k = 0; k < takeovers.size(); ++k)
        place(place, static_cast<int>(k), false);

    std::vector<std::string> text;
    text.reserve(lines.size());
    for (const Line& line : lines) {
        switch (line.kind) {
            case LineKind::Told:
                text.push_back(line.text);
                break;
            case LineKind::Recruiting:
                text.push_back(RecruitedLine(w, news));
                break;
            case LineKind::Commerce:
                text.push_back(CommerceLine(w, news));
                break;
            case LineKind::RivalLurings:
                text.push_back(RivalLuringsLine(w, line.lurings));
                break;
            case LineKind::RivalTakings:
                text.push_back(RivalTakingsLine(w, line.takeovers));
                break;
        }
    }
    return text;
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
