#include "fight/FightSummary.h"

#include <algorithm>

namespace golmok {

namespace {

constexpr const char* kPlayerFallen = "쓰러진 우리 편: ";
constexpr const char* kEnemyFallen = "쓰러진 상대 편: ";
constexpr const char* kUnfit = "싸워 보지도 못하고 쓰러진 사람: ";
constexpr const char* kNobodyTurned = "편을 바꾼 사람: 없음";
constexpr const char* kNone = "없음";

// The final consonant of the last syllable of a name, 0 when it ends in a vowel or is no Hangul:
// Korean picks its particles by it (관악은, 서초는; 거지파로, 관악으로, 종로로).
int FinalConsonant(const std::string& name) {
    // The last UTF-8 character: Hangul syllables are three bytes, 0xAC00..0xD7A3.
    if (name.size() < 3) return 0;
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(name[k]); };
    const std::size_t k = name.size() - 3;
    if ((byte(k) & 0xF0) != 0xE0) return 0;
    const int code = ((byte(k) & 0x0F) << 12) | ((byte(k + 1) & 0x3F) << 6) | (byte(k + 2) & 0x3F);
    if (code < 0xAC00 || code > 0xD7A3) return 0;
    return (code - 0xAC00) % 28;
}

constexpr int kRieul = 8;  // ㄹ as a final consonant takes 로, not 으로

std::string Topic(const std::string& name) {
    return name + (FinalConsonant(name) != 0 ? "은" : "는");
}

std::string Towards(const std::string& name) {
    const int last = FinalConsonant(name);
    return name + (last != 0 && last != kRieul ? "으로" : "로");
}

std::string Names(const World& world, const std::vector<int>& people) {
    if (people.empty()) return kNone;
    std::string names;
    for (int h : people) {
        if (!names.empty()) names += ", ";
        names += world.HumanName[h];
    }
    return names;
}

}  // namespace

FightSummary SummarizeFight(const World& world, const Fight& fight) {
    FightSummary summary;
    for (const auto* side : {&fight.player, &fight.enemy}) {
        for (const Fighter& f : *side) {
            if (f.human < 0) continue;
            if (f.unfit) {
                summary.unfit.push_back(f.human);
            } else if (!f.present) {
                (side == &fight.player ? summary.playerFallen : summary.enemyFallen)
                    .push_back(f.human);
            }
            if (world.HumanGroup[f.human] != f.gang) summary.turned.push_back(f.human);
        }
    }
    summary.city = fight.city;
    if (fight.city >= 0 && fight.city < kCityCount) summary.holder = world.OwnerOf(fight.city);
    return summary;
}

std::string FightSummaryText(const World& world, const FightSummary& summary) {
    std::string text = kPlayerFallen + Names(world, summary.playerFallen) + '\n';
    text += kEnemyFallen + Names(world, summary.enemyFallen) + '\n';
    if (!summary.unfit.empty()) text += kUnfit + Names(world, summary.unfit) + '\n';
    if (summary.turned.empty()) {
        text += kNobodyTurned;
    } else {
        // Grouped by the gang they went to, in the order the first of each appears.
        std::vector<std::string> gangs;
        for (int h : summary.turned) {
            if (std::find(gangs.begin(), gangs.end(), world.HumanGroup[h]) == gangs.end())
                gangs.push_back(world.HumanGroup[h]);
        }
        for (std::size_t k = 0; k < gangs.size(); ++k) {
            std::vector<int> joined;
            for (int h : summary.turned) {
                if (world.HumanGroup[h] == gangs[k]) joined.push_back(h);
            }
            if (k > 0) text += '\n';
            text += Towards(gangs[k]) + " 넘어간 사람: " + Names(world, joined);
        }
    }
    text += '\n';
    const std::string city =
        summary.city >= 0 && summary.city < kCityCount ? world.CityName[summary.city] : "";
    if (summary.holder) {
        text += Topic(city) + " 이제 " + world.GroupName[*summary.holder] + "의 구역입니다.";
    } else {
        text += Topic(city) + " 이제 어느 조직의 구역도 아닙니다.";
    }
    return text;
}

}  // namespace golmok
