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
    Commerce,       // `gang` raised the commerce of the player's `city`, spending `money` there
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
    int fromCity = -1;  // the district the attack came from; Poached: where he stood before
    int human = -1;
    bool fought = false;  // Taken: somebody stood in the district and was beaten
    // Recruited: the members gained. Commerce: the district's commerce after the rise (0 in news
    // kept before it was told).
    double members = 0;
    int people = 0;       // Recruited
    double money = 0;     // Commerce

    bool operator==(const TurnEvent&) const = default;
};

using TurnNews = std::vector<TurnEvent>;

// The gang a person belongs to, by his gang's name; -1 for no gang.
int GangOf(const World& world, int human);

// Records the alliances the player had before the turn end and has no more after it.
void RecordEndedAlliances(const GroupTable<double>& allyBefore, const World& after, TurnNews& news);

// One event in the console's words: "news taken city=3 by=1 from=2 attacker=5 fought=True".
std::string NewsLine(const TurnEvent& event);

// What the news window tells: the last turn end's events, and the turn end's before it, whose
// lines are not told again.
struct WeekNews {
    TurnNews events;    // the last turn end
    TurnNews lastWeek;  // the turn end before it
    // False for a loaded game whose news was not kept beside its slot: nobody knows what happened.
    bool kept = true;

    bool operator==(const WeekNews&) const = default;
};

// A turn end's news follows on from `previous`: what was this week's becomes last week's.
WeekNews NextWeekNews(const WeekNews& previous, TurnNews events);

// The lines the news window shows, in plain Korean. First the standings: the player's gang and
// the districts each gang holds, with this week's change. Then the week in the order it
// happened. What touches the player's gang has a line each: one of his people lured away (from
// where he stood to where he ended, nothing when he ended where he began), a district of his
// taken with the people who changed sides there, an attack on him. What the rival gangs did
// among themselves is gathered: all the recruiting in one line, all their lurings in one, all
// their takings in one (a district taken again and again told from its first owner to its last),
// all their commerce in the player's districts in one, with the money spent in each. A gathered
// line stands where its first event happened, and a taking never comes before what happened at
// its district earlier. Lines told last week as well are left out and counted in one closing
// line. A game loaded without its news shows only kNewsNotSaved.
std::vector<std::string> NewsWindowLines(const World& world, const WeekNews& news);

// The sentence of one event.
std::string NewsSentence(const World& world, const TurnEvent& event);

inline constexpr const char* kNewsTitle = "이번 주 소식";
inline constexpr const char* kNewsNotSaved =
    "이번 주 소식은 저장되지 않았습니다. 다음 턴이 끝나면 다시 소식을 전합니다.";
inline constexpr const char* kQuietWeek = "이번 주에는 별일이 없었습니다.";

}  // namespace golmok
