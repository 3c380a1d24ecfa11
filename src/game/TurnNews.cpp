#include "game/TurnNews.h"

#include <string_view>

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
        case TurnEventKind::Comeback:
            return "comeback";
    }
    return "?";
}

// What the player lost: his districts, his people, his allies, and the attack coming at him.
bool IsPlayerLoss(const World& w, const TurnEvent& e) {
    if (e.kind == TurnEventKind::Attack || e.kind == TurnEventKind::AllianceEnded) return true;
    return e.fromGang >= 0 && e.fromGang == w.PlayerGroupIndex;
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

// A sentence for a person lured `times` times in one turn end: `e` is the last luring, with the
// gang he belonged to before the first.
std::string PoachedSentence(const World& w, const TurnEvent& e, int times) {
    const std::string by = GangName(w, e.gang);
    const std::string person = HumanName(w, e.human);
    const std::string city = Towards(CityName(w, e.city));
    if (times > 1) {
        const std::string from = e.fromGang >= 0 ? GangName(w, e.fromGang) + "의 " : "조직이 없던 ";
        return from + Subject(person) + " 이번 주에 " + std::to_string(times) +
               "번이나 꾐에 넘어가 " + by + "의 " + city + " 갔습니다.";
    }
    if (e.fromGang == e.gang)
        return Subject(by) + " " + Object(person) + " " + city + " 불러들였습니다.";
    const std::string owner = e.fromGang >= 0 ? GangName(w, e.fromGang) + "의 " : "조직이 없던 ";
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
        case TurnEventKind::Comeback: {
            const std::string owner = e.fromGang >= 0 ? from + "의 " : std::string();
            return "구역을 모두 잃었던 " + Subject(by) + " 두목 " + Object(person) + " 앞세워 " +
                   owner + city + "에서 다시 일어섰습니다.";
        }
    }
    return {};
}

std::vector<NewsSection> NewsSections(const World& w, const TurnNews& news) {
    std::vector<NewsSection> sections;
    NewsSection losses{kPlayerLossesTitle, {}};
    // One section per gang, in index order, then the people of no gang.
    std::vector<NewsSection> byGang(kGroupCount + 1);
    for (int g = 0; g <= kGroupCount; ++g)
        byGang[g].title = GangName(w, g < kGroupCount ? g : -1);
    // A person lured from district to district in one turn end is told once, where he ended,
    // as a loss of the gang he started from.
    HumanTable<int> lured{};
    HumanTable<int> firstGang{};
    for (const TurnEvent& e : news) {
        if (e.kind != TurnEventKind::Poached || e.human < 0 || e.human >= kHumanCount) continue;
        if (lured[e.human]++ == 0) firstGang[e.human] = e.fromGang;
    }
    HumanTable<int> told{};
    for (const TurnEvent& raw : news) {
        TurnEvent e = raw;
        std::string sentence;
        if (e.kind == TurnEventKind::Poached && e.human >= 0 && e.human < kHumanCount) {
            if (++told[e.human] < lured[e.human]) continue;  // not his last move yet
            e.fromGang = firstGang[e.human];
            sentence = PoachedSentence(w, e, lured[e.human]);
        } else {
            sentence = NewsSentence(w, e);
        }
        NewsSection& section =
            IsPlayerLoss(w, e) ? losses
                               : byGang[e.gang >= 0 && e.gang < kGroupCount ? e.gang : kGroupCount];
        section.lines.push_back(std::move(sentence));
    }
    if (!losses.lines.empty()) sections.push_back(std::move(losses));
    for (NewsSection& section : byGang) {
        if (!section.lines.empty()) sections.push_back(std::move(section));
    }
    return sections;
}

}  // namespace golmok
