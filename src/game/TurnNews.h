// The week's news: what the computer gangs did at a turn end, kept as plain events so that the
// windows can tell it in sentences and the console can print it line by line. Recording news
// never changes what the turn end does.
#pragma once

#include <string>
#include <vector>

#include "world/World.h"

namespace golmok {

enum class TurnEventKind {
    Taken,          // a district changed hands: by `gang` from `fromGang`, out of `fromCity`
    Attack,         // an attack on the player's `city` from `fromCity` is announced
    Poached,        // `human` was lured from `fromGang` into `gang`, and now stands in `city`
    Recruited,      // `gang` gained `members` members, recruited by `people` of its people
    ChangedSides,   // `human`, found in the conquered `city`, left `fromGang` for `gang`
    AllianceEnded,  // `gang` is no longer allied with the player
    Comeback,       // `gang`, left with no district, took `city` from `fromGang`: its boss `human`
                    // stood there and everybody there joined it (살아있는 세계)
};

// Gangs are indexes 0..6, or -1 for none (a district whose colour matches no gang, a person of
// no gang); people and districts are indexes, or -1 where the kind has none.
struct TurnEvent {
    TurnEventKind kind = TurnEventKind::Taken;
    int gang = -1;  // who acted: the taker, the attacker, the poacher, the recruiter, the new side
    int fromGang = -1;  // who lost: the old owner, the old gang
    int city = -1;      // the district taken or attacked, where the person now stands
    int fromCity = -1;  // the district the attack came from
    int human = -1;
    bool fought = false;  // Taken: somebody stood in the district and was beaten
    double members = 0;   // Recruited
    int people = 0;       // Recruited

    bool operator==(const TurnEvent&) const = default;
};

using TurnNews = std::vector<TurnEvent>;

// The gang a person belongs to, by his gang's name; -1 for no gang.
int GangOf(const World& world, int human);

// Records the alliances the player had before the turn end and has no more after it.
void RecordEndedAlliances(const GroupTable<double>& allyBefore, const World& after, TurnNews& news);

// One event in the console's words: "news taken city=3 by=1 from=2 attacker=5 fought=True".
std::string NewsLine(const TurnEvent& event);

// A part of the news window: a heading and its sentences.
struct NewsSection {
    std::string title;
    std::vector<std::string> lines;
};

// The news as the windows tell it, in plain Korean: first what the player lost (his districts
// taken or attacked, his people lured away or gone over), then what each gang did, gang by gang
// in index order; empty sections are left out.
std::vector<NewsSection> NewsSections(const World& world, const TurnNews& news);

// The sentence of one event.
std::string NewsSentence(const World& world, const TurnEvent& event);

inline constexpr const char* kNewsTitle = "이번 주 소식";
inline constexpr const char* kPlayerLossesTitle = "우리 조직";
inline constexpr const char* kQuietWeek = "이번 주에는 별일이 없었습니다.";

}  // namespace golmok
