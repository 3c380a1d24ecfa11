// The balance report: for each of the seven gangs in the player's hands, two games on the shipped
// world, each played under six rule sets: every opt-in rule off; 초반 휴전, 강한 조직 and 살아있는
// 세계 each alone; the first two together; all three. 살아있는 세계 is the game's own, 영입 먼저
// (luring before training) included:
//
// - idle: up to 1000 weeks in which the player does nothing but end the turn;
// - active: up to 300 weeks in which the player runs a plain strategy every week (below).
//
// Every attack announced on the player is defended by itself: the five strongest people of the
// district (members + stamina), the best weapons its stocks allow, both sides fighting by the
// computer fighters' rule to the end (`DefendByItself`). The report measures movement, not
// churn: owner changes by parties that lead members, with the hollow ones (people who lead no
// members) counted apart; how many distinct standings (districts per gang) turns 1-50 see; the
// longest stretch of weeks in which the standings stay as they are; the first week from which the
// position (every owner, everybody's place and gang) repeats an exact cycle. It writes one SVG
// chart per table (districts held by each gang, week by week, one panel per player's gang) and
// prints the tables in Markdown.
//
// The active strategy, district by district in index order, each week: heal whoever the money
// can heal; pay the disloyal back to full loyalty; lure the least loyal person of another gang
// that the best scout can win over with a bribe the district can pay; attack with the five
// strongest able people when they are at least 1.2 times as strong (members + stamina) as the
// five strongest of the target, armed as the stocks allow, and always leaving somebody at home;
// then recruit members for everyone with the money left and train whoever may still act. Every
// step is a command of the district menu, called as the console calls it; the rules are the
// game's own.
//
// Exit status 1 while a goal is missed with all three rules on (no attack on the player before
// week 5, no exact cycle before week 150, no stretch of more than 20 weeks without a change of
// standings, the active strategy winning within 100 weeks, at most 6 news lines a week).
//
//     golmok-balance DATA_DIR OUT_DIR
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "commands/CommandMenu.h"
#include "commands/PrizeDismissal.h"
#include "commands/Recruiting.h"
#include "commands/Scouting.h"
#include "commands/Training.h"
#include "fight/FightSetup.h"
#include "game/NewWorld.h"
#include "game/TurnNews.h"
#include "session/Session.h"
#include "world/SharedRoutines.h"

namespace {

using namespace golmok;
namespace fs = std::filesystem;

constexpr int kIdleWeeks = 1000;
constexpr int kActiveWeeks = 300;

using Standings = std::array<int, kGroupCount>;  // districts held by each gang

struct Run {
    int player = 0;
    bool active = false;
    std::vector<Standings> standings;  // index = weeks played (0: the start)
    int firstConquest = -1;            // a district passing from one computer gang to another
    int ledBy100 = 0;                  // owner changes in weeks 1-100 by parties leading members
    int hollowBy100 = 0;               // ... by parties leading none
    int attackOnPlayer = -1;           // the week whose end announced the first one
    int attacksOnPlayer = 0;
    int defencesWon = 0;
    int defencesCalledOff = 0;  // neither side could hurt the other
    int districtLost = -1;      // the first district the player lost, with or without a fight
    // The first week of an exact repeating cycle, and its period: of the map (every district's
    // owner) and of the position (the map, everybody's place and gang).
    std::array<int, 2> cycleStart{-1, -1};
    std::array<int, 2> cyclePeriod{};
    int victory = -1;
    int defeat = -1;
    int attacksMade = 0;         // by the active player
    std::vector<int> newsLines;  // index = week: the lines the news window shows after it
};

Standings Count(const World& w) {
    Standings held{};
    for (int c = 0; c < kCityCount; ++c) {
        if (auto g = w.OwnerOf(c)) held[*g] += 1;
    }
    return held;
}

// The owner changes of one week, between the world as the week began and as it ended. A change
// is counted as led when the people who took the district (those of the new owner who moved into
// it that week, or, when they moved on, those of the new owner who moved that week and kept their
// gang) still lead members when the week is over: a real force holds it. Otherwise it is hollow:
// people who led nothing, or were left with nothing by the taking, hold an empty shell.
void CountChanges(const World& before, const World& after, int week, Run& run) {
    for (int t = 0; t < kCityCount; ++t) {
        if (after.CityOwnerColor[t] == before.CityOwnerColor[t]) continue;
        if (run.districtLost < 0 && before.IsPlayerCity(t)) run.districtLost = week;
        if (run.firstConquest < 0 && !before.IsPlayerCity(t) && !after.IsPlayerCity(t)) {
            run.firstConquest = week;
        }
        if (week > 100) continue;
        const auto owner = after.OwnerOf(t);
        const std::string gang = owner ? after.GroupName[*owner] : std::string();
        auto mover = [&](int h) {
            return after.HumanCity[h] != before.HumanCity[h] &&
                   after.HumanGroup[h] == before.HumanGroup[h] && after.HumanGroup[h] == gang;
        };
        double members = 0;
        bool found = false;
        for (int h = 0; h < kHumanCount; ++h) {
            if (mover(h) && after.IsIn(h, t)) {
                found = true;
                members += after.HumanMembers[h];
            }
        }
        for (int h = 0; h < kHumanCount && !found; ++h) {
            if (mover(h)) members += after.HumanMembers[h];
        }
        (members > 0 ? run.ledBy100 : run.hollowBy100) += 1;
    }
}

// An announced attack on the player, fought out by itself.
void Defend(World& w, int week, Run& run) {
    if (!w.DefenceSetupOpen) return;
    if (run.attackOnPlayer < 0) run.attackOnPlayer = week;
    run.attacksOnPlayer += 1;
    const std::optional<Fight> fight = DefendByItself(w);
    if (fight && fight->result == FightResult::Won) run.defencesWon += 1;
    if (fight && fight->result == FightResult::Drawn) run.defencesCalledOff += 1;
    if (!fight || !fight->over()) {
        // No fight started (nobody left to defend): the attackers go home.
        w.DefenceSetupOpen = false;
        UnlockMap(w);
    }
}

// --- The active player -----------------------------------------------------------------------

double Strength(const World& w, int h) {
    return w.HumanMembers[h] + w.HumanStamina[h];
}

// The five strongest of `people` (members + stamina, ties to the lower index), in index order.
std::vector<int> FiveStrongest(const World& w, std::vector<int> people) {
    std::stable_sort(people.begin(), people.end(),
                     [&](int a, int b) { return Strength(w, a) > Strength(w, b); });
    if (people.size() > kSlotCount) people.resize(kSlotCount);
    std::sort(people.begin(), people.end());
    return people;
}

double TotalStrength(const World& w, const std::vector<int>& people) {
    double total = 0;
    for (int h : people)
        total += Strength(w, h);
    return total;
}

// The defenders a computer district would send: its five strongest people with anything left.
std::vector<int> Defenders(const World& w, int city) {
    std::vector<int> people;
    for (int h = 0; h < kHumanCount; ++h) {
        if (w.IsIn(h, city) && Strength(w, h) > 0) people.push_back(h);
    }
    return FiveStrongest(w, people);
}

void HealEveryone(World& w, MenuState& m) {
    for (int h : HealList(w, m)) {
        if (w.CityMoney[m.SelectedCity] > HealCost(w, h)) {
            OpenCommandDialog(m);
            ChoosePerson(m, h);
            Heal(w, m, h);
        }
    }
}

void RewardLoyalty(World& w, MenuState& m) {
    for (int h : PrizeList(w, m)) {
        const double prize = std::max(0.0, (100 - w.HumanLoyalty[h]) * 100000);
        if (prize <= PrizeMost(w, m)) {
            OpenCommandDialog(m);
            ChoosePerson(m, h);
            GivePrize(w, m, h, prize);
        }
    }
}

void PoachTheDisloyal(World& w, MenuState& m) {
    const std::vector<int> scouts = ScoutList(w, m);
    if (scouts.empty()) return;
    int scout = scouts.front();
    for (int h : scouts) {
        if (w.HumanCharm[h] + w.HumanIntelligence[h] >
            w.HumanCharm[scout] + w.HumanIntelligence[scout]) {
            scout = h;
        }
    }
    const double score = std::floor((w.HumanCharm[scout] + w.HumanIntelligence[scout]) / 2);
    // The strongest person the money can lure.
    int best = -1, bestCity = -1;
    double bestBribe = 0;
    for (int d : ScoutDistricts(w)) {
        for (int t : ScoutTargets(w, d)) {
            if (w.HumanLoyalty[t] >= 100) continue;
            const double bribe = std::max(0.0, std::ceil(w.HumanLoyalty[t] - score)) * 1000000;
            if (bribe > ScoutMost(w, m)) continue;
            if (best < 0 || Strength(w, t) > Strength(w, best)) {
                best = t;
                bestCity = d;
                bestBribe = bribe;
            }
        }
    }
    if (best < 0) return;
    OpenCommandDialog(m);
    ChoosePerson(m, scout);
    Scout(w, m, scout, best, bestCity, bestBribe);
}

// One attack from the selected district, if a target is weak enough. Returns whether it went.
bool AttackIfStronger(Session& session, int home, Run& run) {
    World& w = session.world();
    MenuState& m = session.menu();
    const FightSetup listed = AttackSetupOf(w, home);
    // Somebody stays at home, or the computer walks in unopposed.
    std::vector<int> ours = FiveStrongest(w, listed.people);
    int atHome = 0;
    for (int h = 0; h < kHumanCount; ++h)
        atHome += w.IsIn(h, home) ? 1 : 0;
    while (!ours.empty() && static_cast<int>(ours.size()) >= atHome) {
        // The weakest of them stays.
        auto weakest = std::min_element(ours.begin(), ours.end(), [&](int a, int b) {
            return Strength(w, a) < Strength(w, b);
        });
        ours.erase(weakest);
    }
    if (ours.empty()) return false;
    const double mine = TotalStrength(w, ours);
    int target = -1;
    double weakest = 0;
    for (int t : listed.targets) {
        const double theirs = TotalStrength(w, Defenders(w, t));
        if (mine < 1.2 * theirs) continue;
        if (target < 0 || theirs < weakest) {
            target = t;
            weakest = theirs;
        }
    }
    if (target < 0) return false;
    const FightSetup setup = OpenAttackSetup(w, home);
    // Armed as a defence is: the best weapon the stocks still allow, in index order.
    FightSetup going = setup;
    going.people = ours;
    SetupChoice choice = ChooseStrongestDefenders(w, going);
    ChooseTargetCity(m, target);
    choice.targetClicked = true;
    SetupOutcome out = ConfirmAttack(w, setup, choice, m.SelectedTargetCity);
    if (!out.outcome.done && !out.fight && !out.takenOver) return false;
    run.attacksMade += 1;
    if (out.fight) {
        session.StartFight(std::move(*out.fight));
        PlayOutFight(w, *session.fight());
        session.CloseFight();
    }
    return true;
}

void RecruitEveryone(World& w, MenuState& m) {
    for (int h : RecruitList(w, m)) {
        const double money = w.CityMoney[m.SelectedCity];
        const double amount =
            std::min(RecruitMost(w, h), std::floor(money / kMemberPrice) * kMemberPrice);
        if (amount < kMemberPrice) continue;
        OpenCommandDialog(m);
        ChoosePerson(m, h);
        Recruit(w, m, h, amount);
    }
}

void TrainEveryone(World& w, MenuState& m) {
    for (int h : TrainList(w, m)) {
        if (w.HumanMorale[h] >= 100) continue;
        OpenCommandDialog(m);
        ChoosePerson(m, h);
        Train(w, m, h);
    }
}

void PlayWeek(Session& session, Run& run) {
    World& w = session.world();
    MenuState& m = session.menu();
    for (int d = 0; d < kCityCount; ++d) {
        if (!w.IsPlayerCity(d) || w.MapLocked) continue;
        session.ClickCity(d);
        HealEveryone(w, m);
        RewardLoyalty(w, m);
        PoachTheDisloyal(w, m);
        // The fight closes the command menu: a click opens it again for the rest.
        if (AttackIfStronger(session, d, run)) session.ClickCity(d);
        RecruitEveryone(w, m);
        TrainEveryone(w, m);
    }
    session.CloseMenu();
}

// --- Runs ------------------------------------------------------------------------------------

// Where the world stands: every district's owner (the map), and with it everybody's place and gang
// (the position). Money and fame move on week after week, so the world as a whole never comes
// back; a position that does, with the same positions following it, is a cycle the world will run
// round for ever.
std::string Map(const World& w) {
    std::string text;
    for (int c = 0; c < kCityCount; ++c)
        text += std::to_string(w.OwnerOf(c).value_or(-1)) + ',';
    return text;
}

std::string Position(const World& w) {
    std::string text = Map(w);
    for (int h = 0; h < kHumanCount; ++h)
        text += w.HumanCity[h] + ',' + w.HumanGroup[h] + ';';
    return text;
}

// The first week from which the positions repeat with a fixed period to the end of the run, for
// the shortest such period; at least three rounds and 20 weeks must be seen to call it a cycle.
void FindCycle(const std::vector<std::string>& positions, int& cycleStart, int& cyclePeriod) {
    const int last = static_cast<int>(positions.size()) - 1;
    for (int period = 1; period <= 100; ++period) {
        int from = last - period;
        while (from >= 0 && positions[from] == positions[from + period])
            from -= 1;
        from += 1;
        const int seen = last - from;
        if (seen >= 3 * period && seen >= 20 && (cycleStart < 0 || from < cycleStart)) {
            cycleStart = from;
            cyclePeriod = period;
        }
    }
}

// The lines of a turn end's news as the news window shows them, the standings line included.
// Every count of news in this report goes through here, so that it follows what the window shows.
int NewsLinesShown(const World& w, const WeekNews& news) {
    return static_cast<int>(NewsWindowLines(w, news).size());
}

Run Play(const World& start, int player, const Options& options, bool active) {
    Run run;
    run.player = player;
    run.active = active;
    Session session(start);
    session.world().options = options;
    session.StartNewGame(player);
    World& w = session.world();
    run.standings.push_back(Count(w));
    run.newsLines.push_back(0);
    std::vector<std::string> maps{Map(w)}, positions{Position(w)};
    const int weeks = active ? kActiveWeeks : kIdleWeeks;
    for (int week = 1; week <= weeks; ++week) {
        const World before = w;
        if (active) PlayWeek(session, run);
        session.EndTurn();
        run.newsLines.push_back(NewsLinesShown(w, session.weekNews()));
        Defend(w, week, run);
        CountChanges(before, w, week, run);
        run.standings.push_back(Count(w));
        const GameEnd end = CheckGameEnd(w);
        if (end == GameEnd::Victory) run.victory = week;
        if (end == GameEnd::Defeat) run.defeat = week;
        if (end != GameEnd::Running) break;
        maps.push_back(Map(w));
        positions.push_back(Position(w));
    }
    FindCycle(maps, run.cycleStart[0], run.cyclePeriod[0]);
    FindCycle(positions, run.cycleStart[1], run.cyclePeriod[1]);
    return run;
}

int WeeksPlayed(const Run& run) {
    return static_cast<int>(run.standings.size()) - 1;
}

int DistinctStandings(const Run& run, int last) {
    std::vector<Standings> seen;
    for (int week = 1; week <= std::min(last, WeeksPlayed(run)); ++week) {
        if (std::find(seen.begin(), seen.end(), run.standings[week]) == seen.end()) {
            seen.push_back(run.standings[week]);
        }
    }
    return static_cast<int>(seen.size());
}

// The most weeks in a row that end with the standings they began with, and the week the stretch
// began.
std::pair<int, int> LongestStill(const Run& run) {
    int longest = 0, from = 0, begun = 0;
    for (int week = 1; week <= WeeksPlayed(run); ++week) {
        if (run.standings[week] != run.standings[week - 1]) begun = week;
        if (week - begun > longest) {
            longest = week - begun;
            from = begun;
        }
    }
    return {longest, from};
}

// The median of the news lines of weeks first..last (those played); -1 when none was played.
double MedianNews(const Run& run, int first, int last) {
    std::vector<int> lines;
    for (int week = first; week <= std::min(last, WeeksPlayed(run)); ++week)
        lines.push_back(run.newsLines[week]);
    if (lines.empty()) return -1;
    std::sort(lines.begin(), lines.end());
    const std::size_t mid = lines.size() / 2;
    return lines.size() % 2 == 1 ? lines[mid] : (lines[mid - 1] + lines[mid]) / 2.0;
}

// --- Charts and tables -----------------------------------------------------------------------

// 0x00BBGGRR to #RRGGBB.
std::string Css(Color color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", color & 0xFF, (color >> 8) & 0xFF,
                  (color >> 16) & 0xFF);
    return text;
}

// Seven panels, one per player's gang: districts held by each gang, week by week.
void WriteChart(const World& start, const std::vector<Run>& runs, const std::string& title,
                const fs::path& file) {
    const int panelWidth = 330, panelHeight = 150, left = 40, top = 70, gapX = 60, gapY = 60;
    const int columns = 2;
    const int rows = (kGroupCount + columns - 1) / columns;
    const int width = left + columns * (panelWidth + gapX) + 120;
    const int height = top + rows * (panelHeight + gapY);
    std::ofstream svg(file);
    svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << width << "\" height=\"" << height
        << "\" font-family=\"sans-serif\" font-size=\"11\">\n"
        << "<rect width=\"" << width << "\" height=\"" << height << "\" fill=\"#303030\"/>\n"
        << "<text x=\"" << left << "\" y=\"28\" fill=\"#FFFFFF\" font-size=\"15\">" << title
        << "</text>\n";
    for (const Run& run : runs) {
        const int px = left + (run.player % columns) * (panelWidth + gapX);
        const int py = top + (run.player / columns) * (panelHeight + gapY);
        const int weeks = WeeksPlayed(run);
        const int span = std::max(weeks, 1);
        auto x = [&](int week) { return px + week * panelWidth / span; };
        auto y = [&](int held) { return py + panelHeight - held * panelHeight / kCityCount; };
        std::string end = run.victory >= 0  ? ", won in week " + std::to_string(run.victory)
                          : run.defeat >= 0 ? ", lost in week " + std::to_string(run.defeat)
                                            : "";
        svg << "<text x=\"" << px << "\" y=\"" << py - 8 << "\" fill=\""
            << Css(start.GroupColor[run.player]) << "\">player " << run.player << ' '
            << start.GroupName[run.player] << ", " << weeks << " weeks" << end << "</text>\n";
        for (int held = 0; held <= kCityCount; held += 5) {
            svg << "<line x1=\"" << px << "\" y1=\"" << y(held) << "\" x2=\"" << px + panelWidth
                << "\" y2=\"" << y(held) << "\" stroke=\"#585858\"/>\n"
                << "<text x=\"" << px - 20 << "\" y=\"" << y(held) + 4 << "\" fill=\"#B0B0B0\">"
                << held << "</text>\n";
        }
        const int step = span <= 40 ? 5 : span <= 100 ? 20 : span <= 300 ? 50 : 200;
        for (int week = 0; week <= weeks; week += step) {
            svg << "<text x=\"" << x(week) - 6 << "\" y=\"" << py + panelHeight + 14
                << "\" fill=\"#B0B0B0\">" << week << "</text>\n";
        }
        for (int g = 0; g < kGroupCount; ++g) {
            svg << "<polyline fill=\"none\" stroke-width=\"" << (g == run.player ? 2.5 : 1.2)
                << "\" stroke=\"" << Css(start.GroupColor[g]) << "\" points=\"";
            for (int week = 0; week <= weeks; ++week) {
                svg << x(week) << ',' << y(run.standings[week][g]) << ' ';
            }
            svg << "\"/>\n";
        }
    }
    // The legend.
    for (int g = 0; g < kGroupCount; ++g) {
        svg << "<text x=\"" << left + columns * (panelWidth + gapX) << "\" y=\""
            << top + 10 + g * 18 << "\" fill=\"" << Css(start.GroupColor[g]) << "\">" << g << ' '
            << start.GroupName[g] << "</text>\n";
    }
    svg << "</svg>\n";
}

std::string Week(int week) {
    return week < 0 ? "-" : std::to_string(week);
}

std::string Cycle(const Run& run, int kind) {
    if (run.cycleStart[kind] < 0) return "-";
    return std::to_string(run.cycleStart[kind]) + " (" + std::to_string(run.cyclePeriod[kind]) +
           ")";
}

std::string At(const Run& run, int week) {
    week = std::min(week, WeeksPlayed(run));
    std::string text;
    for (int g = 0; g < kGroupCount; ++g) {
        text += (g ? " " : "") + std::to_string(run.standings[week][g]);
    }
    return text;
}

// The goals missed by a run; empty when every goal is met.
std::string Missed(const Run& run) {
    std::string missed;
    if ((run.attackOnPlayer >= 0 && run.attackOnPlayer < 5) ||
        (run.districtLost >= 0 && run.districtLost < 5)) {
        missed += " early-attack";
    }
    if (run.cycleStart[0] >= 0 && run.cycleStart[0] < 150) missed += " early-cycle";
    // A won game stops; its last stretch ends with the victory.
    if (LongestStill(run).first > 20) missed += " still";
    if (run.active && (run.victory < 0 || run.victory > 100)) missed += " slow";
    // An idle player's news must be short enough to read: at most 6 lines a week (median).
    if (!run.active && (MedianNews(run, 1, 20) > 6 || MedianNews(run, 200, 220) > 6)) {
        missed += " news";
    }
    return missed;
}

std::string Median(double lines) {
    if (lines < 0) return "-";
    char text[16];
    std::snprintf(text, sizeof text, "%g", lines);
    return text;
}

void PrintIdle(const World& start, const std::vector<Run>& runs) {
    std::cout << "| player | weeks | first conquest | changes by 100: led / hollow | standings "
                 "in 1-50 | longest still (from) | cycle from (period): map / position | at 100 | "
                 "at end | "
                 "first attack on player | attacks | won | called off | district lost | news lines "
                 "a week (median): 1-20 / 200-220 | goals |\n"
              << "|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|\n";
    for (const Run& run : runs) {
        const auto [still, from] = LongestStill(run);
        const std::string missed = Missed(run);
        std::cout << "| " << run.player << ' ' << start.GroupName[run.player] << " | "
                  << WeeksPlayed(run) << (run.defeat >= 0 ? " (lost)" : "") << " | "
                  << Week(run.firstConquest) << " | " << run.ledBy100 << " / " << run.hollowBy100
                  << " | " << DistinctStandings(run, 50) << " | " << still << " (" << from << ") | "
                  << Cycle(run, 0) << " / " << Cycle(run, 1) << " | " << At(run, 100) << " | "
                  << At(run, WeeksPlayed(run)) << " | " << Week(run.attackOnPlayer) << " | "
                  << run.attacksOnPlayer << " | " << run.defencesWon << " | "
                  << run.defencesCalledOff << " | " << Week(run.districtLost) << " | "
                  << Median(MedianNews(run, 1, 20)) << " / " << Median(MedianNews(run, 200, 220))
                  << " | " << (missed.empty() ? "met" : "missed:" + missed) << " |\n";
    }
}

void PrintActive(const World& start, const std::vector<Run>& runs) {
    std::cout << "| player | victory | districts at 25 / 50 / 100 | at end | attacks made | "
                 "standings in 1-50 | longest still (from) | first attack on player | attacks | "
                 "won | district lost | goals |\n"
              << "|---|---|---|---|---|---|---|---|---|---|---|---|\n";
    for (const Run& run : runs) {
        const auto [still, from] = LongestStill(run);
        const std::string missed = Missed(run);
        auto held = [&](int week) {
            return std::to_string(run.standings[std::min(week, WeeksPlayed(run))][run.player]);
        };
        std::string result = run.victory >= 0  ? "week " + std::to_string(run.victory)
                             : run.defeat >= 0 ? "lost in week " + std::to_string(run.defeat)
                                               : "stuck";
        std::cout << "| " << run.player << ' ' << start.GroupName[run.player] << " | " << result
                  << " | " << held(25) << " / " << held(50) << " / " << held(100) << " | "
                  << At(run, WeeksPlayed(run)) << " | " << run.attacksMade << " | "
                  << DistinctStandings(run, 50) << " | " << still << " (" << from << ") | "
                  << Week(run.attackOnPlayer) << " | " << run.attacksOnPlayer << " | "
                  << run.defencesWon << " | " << Week(run.districtLost) << " | "
                  << (missed.empty() ? "met" : "missed:" + missed) << " |\n";
    }
}

// The rule sets the report plays: the game's own, each opt-in rule alone, the first two, and all
// three (last: the goals are judged on it).
struct RuleSet {
    const char* name;
    const char* title;
    Options options;
};

std::vector<RuleSet> RuleSets() {
    Options truce;
    truce.truce = true;
    Options strong;
    strong.strongGangs = true;
    Options livingAlone;
    livingAlone.living = true;
    Options on = truce;
    on.strongGangs = true;
    Options living = on;
    living.living = true;
    return {{"off", "opt-in rules off", Options{}},
            {"truce", "초반 휴전 alone", truce},
            {"strong", "강한 조직 alone", strong},
            {"living-alone", "살아있는 세계 alone", livingAlone},
            {"on", "초반 휴전 and 강한 조직 on", on},
            {"living", "초반 휴전, 강한 조직 and 살아있는 세계 on", living}};
}

bool AllRulesOn(const Options& options) {
    return options.truce && options.strongGangs && options.living;
}

// The shipped world and four worlds one move away from it: each puts one of the four people moved
// when the starting world was tuned back where he first stood.
std::vector<std::pair<std::string, World>> Worlds(const World& shipped) {
    std::vector<std::pair<std::string, World>> worlds{{"shipped", shipped}};
    const std::pair<const char*, const char*> moves[] = {
        {"심준남", "영등포"}, {"한재호", "도봉"}, {"용진남", "영등포"}, {"명진근", "동대문"}};
    for (auto [person, city] : moves) {
        World w = shipped;
        if (auto h = w.HumanIndexOf(person)) {
            w.HumanCity[*h] = city;
            RecountCities(w);
            worlds.emplace_back(std::string(person) + " in " + city, w);
        }
    }
    return worlds;
}

// One line per world: the idle and active runs of all seven gangs under one rule set, in short.
void PrintWorlds(const std::vector<std::pair<std::string, World>>& worlds, const Options& options,
                 bool& met) {
    std::cout << "| world | idle: runs with a map cycle (earliest) | idle: longest still | "
                 "idle: news lines a week (median of the runs' medians) 1-20 / 200-220 | "
                 "active: victory weeks | first attack on player (earliest) | goals |\n"
              << "|---|---|---|---|---|---|---|\n";
    for (const auto& [name, world] : worlds) {
        int cycles = 0, earliestCycle = -1, longest = 0, fastest = -1, slowest = -1;
        int firstAttack = -1;
        bool allWon = true;
        std::vector<double> early, late;
        std::string missed;
        for (const bool active : {false, true}) {
            for (int g = 0; g < kGroupCount; ++g) {
                const Run run = Play(world, g, options, active);
                // Each goal missed by any run, once.
                std::istringstream goals(Missed(run));
                for (std::string goal; goals >> goal;) {
                    if (missed.find(" " + goal) == std::string::npos) missed += " " + goal;
                }
                if (run.attackOnPlayer >= 0 &&
                    (firstAttack < 0 || run.attackOnPlayer < firstAttack))
                    firstAttack = run.attackOnPlayer;
                if (active) {
                    allWon = allWon && run.victory >= 0;
                    if (run.victory >= 0 && (fastest < 0 || run.victory < fastest))
                        fastest = run.victory;
                    slowest = std::max(slowest, run.victory);
                    continue;
                }
                if (run.cycleStart[0] >= 0) {
                    cycles += 1;
                    if (earliestCycle < 0 || run.cycleStart[0] < earliestCycle)
                        earliestCycle = run.cycleStart[0];
                }
                longest = std::max(longest, LongestStill(run).first);
                early.push_back(MedianNews(run, 1, 20));
                late.push_back(MedianNews(run, 200, 220));
            }
        }
        auto median = [](std::vector<double> values) {
            std::sort(values.begin(), values.end());
            const std::size_t mid = values.size() / 2;
            return values.size() % 2 == 1 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
        };
        std::cout << "| " << name << " | " << cycles << " of " << kGroupCount << " ("
                  << Week(earliestCycle) << ") | " << longest << " | " << Median(median(early))
                  << " / " << Median(median(late)) << " | " << Week(fastest) << "-" << Week(slowest)
                  << (allWon ? "" : ", not all won") << " | " << Week(firstAttack) << " | "
                  << (missed.empty() ? "met" : "missed:" + missed) << " |\n";
        met = met && missed.empty();
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: golmok-balance DATA_DIR OUT_DIR\n";
        return 2;
    }
    const World start = BuildNewWorld(argv[1]);
    const fs::path out = argv[2];
    fs::create_directories(out);
    // The goals are those of the full set of opt-in rules.
    bool met = true;
    for (const RuleSet& rules : RuleSets()) {
        const bool judged = AllRulesOn(rules.options);
        for (const bool active : {false, true}) {
            std::vector<Run> runs;
            for (int g = 0; g < kGroupCount; ++g)
                runs.push_back(Play(start, g, rules.options, active));
            const std::string kind = active ? "active" : "idle";
            WriteChart(start, runs,
                       "Districts held, " + kind + " player, " + std::string(rules.title),
                       out / ("balance-" + kind + "-" + rules.name + ".svg"));
            std::cout << "\n### " << (active ? "Active" : "Idle") << " player, " << rules.title
                      << "\n\n";
            active ? PrintActive(start, runs) : PrintIdle(start, runs);
            if (judged) {
                for (const Run& run : runs)
                    met = met && Missed(run).empty();
            }
        }
    }
    const RuleSet all = RuleSets().back();
    std::cout << "\n### The shipped world and four worlds one move away, " << all.title << "\n\n";
    PrintWorlds(Worlds(start), all.options, met);
    std::cout << (met ? "\ngoals met\n" : "\ngoals missed\n");
    return met ? 0 : 1;
}
