// 싸움 예상 through the console: `forecast` says exactly what `attack` or `defend` followed at
// once by `auto` does, on the shipped world and on worlds some weeks on, in both fight modes, on
// both sides; and it changes nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <sstream>

#include "console/Console.h"
#include "fight/FightSetup.h"
#include "fight/Forecast.h"
#include "game/NewWorld.h"
#include "support/TestWorld.h"
#include "world/SharedRoutines.h"

namespace golmok {
namespace {

std::string RunLines(Session& session, const std::vector<std::string>& lines) {
    std::ostringstream out;
    Console console(session, out, ".");
    for (const std::string& line : lines)
        console.RunLine(line);
    return out.str();
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string Joined(const std::vector<int>& people) {
    if (people.empty()) return "-";
    std::string text;
    for (int h : people)
        text += (text.empty() ? "" : ",") + std::to_string(h);
    return text;
}

// Reads a number after `key=` in a console line.
int Field(const std::string& line, const std::string& key) {
    const std::size_t at = line.find(" " + key + "=");
    return std::stoi(line.substr(at + key.size() + 2));
}

// Plays `line` (attack ... or defend ...) and, if a fight opens, `auto` at once, on `session`;
// returns the forecast line that what happened amounts to, read from the console's output and
// the world afterwards.
std::string PlayedLine(Session& session, const std::string& line, int city) {
    const HumanTable<std::string> groupsBefore = session.world().HumanGroup;
    const std::string opened = RunLines(session, {line});
    std::vector<std::string> printed = SplitLines(opened);
    const bool fought = !printed.empty() && printed.front().rfind("field ", 0) == 0;
    if (fought && session.fight()) {
        for (const std::string& l : SplitLines(RunLines(session, {"auto"})))
            printed.push_back(l);
    }
    const World& w = session.world();
    std::string result;
    std::vector<int> fallen;
    std::vector<int> changed;
    if (!fought) {
        const bool refused = std::any_of(printed.begin(), printed.end(), [](const std::string& l) {
            return l.rfind("message: ", 0) == 0;
        });
        result = refused ? "refused" : "walk-in";
        EXPECT_TRUE(refused || printed.empty()) << opened;
    } else {
        EXPECT_EQ(printed.back(), "fight over") << line;
        const std::string said = printed[printed.size() - 2];
        result = said == std::string("message: ") + kFightWon     ? "won"
                 : said == std::string("message: ") + kFightLost  ? "lost"
                 : said == std::string("message: ") + kFightDrawn ? "called-off"
                                                                  : "unknown: " + said;
        std::vector<int> enemies;
        for (const std::string& l : printed) {
            const bool player = l.rfind("player ", 0) == 0;
            if (!player && l.rfind("enemy ", 0) != 0) continue;
            const int h = Field(l, "human");
            if (h < 0) continue;
            if (w.HumanStamina[h] == 0 && w.HumanMembers[h] == 0)
                (player ? fallen : enemies).push_back(h);
            if (w.HumanGroup[h] != groupsBefore[h]) changed.push_back(h);
        }
        // The field is printed once, player's lines first: the order of the forecast.
        fallen.insert(fallen.end(), enemies.begin(), enemies.end());
    }
    const int owner = city >= 0 ? w.OwnerOf(city).value_or(-1) : -1;
    return "forecast result=" + result + " owner=" + std::to_string(owner) +
           " fallen=" + Joined(fallen) + " changed=" + Joined(changed);
}

// `forecast` on one copy of the session, the line and `auto` on another: the same outcome, and
// the forecast left its session as it was. Returns the forecast's result word.
std::string ExpectForecastHolds(const Session& session, const std::string& line, int city) {
    Session looked = session;
    const std::string forecast = RunLines(looked, {"forecast " + line});
    EXPECT_TRUE(looked.world() == session.world()) << line;
    EXPECT_FALSE(looked.fight());
    Session played = session;
    EXPECT_EQ(forecast, PlayedLine(played, line, city) + "\n")
        << line << " in " << (session.world().BattleMode == BattleMode::Real ? "Real" : "Turn");
    const std::size_t at = forecast.find("result=") + 7;
    return forecast.substr(at, forecast.find(' ', at) - at);
}

// Bare hands half the time, so that most parties the stocks can arm.
const char* RandomWeapon(std::mt19937& random) {
    return random() % 2 == 0 ? kFist : kWeaponNames[random() % kWeaponCount];
}

std::string Armed(int human, const std::string& weapon) {
    return " " + std::to_string(human) + ":" + weapon;
}

// The shipped world with the player leading `player`, `weeks` turn ends on (the player doing
// nothing), any defence an attack opened fought by itself.
Session ShippedAfter(int player, int weeks) {
    Session session(BuildNewWorld(test::ShippedData()));
    session.StartNewGame(player);
    for (int n = 0; n < weeks && session.running(); ++n) {
        session.EndTurn();
        if (session.world().DefenceSetupOpen) DefendByItself(session.world());
        session.CloseFight();
    }
    return session;
}

TEST(ForecastVerbs, EqualsAnAttackFollowedByAutoOverRandomSetUps) {
    std::mt19937 random(27);
    std::map<std::string, int> results;
    for (const auto& [player, weeks] : {std::pair{0, 0}, {3, 0}, {6, 5}, {1, 12}}) {
        const Session base = ShippedAfter(player, weeks);
        ASSERT_TRUE(base.running());
        for (BattleMode mode : {BattleMode::Turn, BattleMode::Real}) {
            for (int n = 0; n < 12; ++n) {
                Session session = base;
                World& w = session.world();
                w.BattleMode = mode;
                std::vector<int> own;
                for (int c = 0; c < kCityCount; ++c) {
                    if (w.IsPlayerCity(c) && !AttackSetupOf(w, c).people.empty()) own.push_back(c);
                }
                ASSERT_FALSE(own.empty());
                const int from = own[random() % own.size()];
                // The stocks of the district, so that some parties can carry weapons.
                w.CitySword[from] = static_cast<double>(random() % 200);
                w.CityKnife[from] = static_cast<double>(random() % 200);
                w.CityStick[from] = static_cast<double>(random() % 300);
                RunLines(session, {"city " + std::to_string(from)});
                const FightSetup setup = AttackSetupOf(w, from);
                std::vector<int> people = setup.people;
                std::shuffle(people.begin(), people.end(), random);
                people.resize(std::min<std::size_t>(people.size(), 1 + random() % 5));
                std::string line =
                    "attack " + std::to_string(setup.targets[random() % setup.targets.size()]);
                const int target = std::stoi(line.substr(7));
                for (int h : people)
                    line += Armed(h, RandomWeapon(random));
                ++results[ExpectForecastHolds(session, line, target)];
            }
        }
    }
    // The random parties meet every way a set-up can end but a walk-in (the shipped districts
    // all hold people).
    for (const char* result : {"won", "lost", "refused"})
        EXPECT_GT(results[result], 0) << result;
}

TEST(ForecastVerbs, EqualsADefenceFollowedByAutoOverRandomSetUps) {
    std::mt19937 random(72);
    std::map<std::string, int> results;
    for (const auto& [player, weeks] : {std::pair{0, 0}, {4, 0}, {2, 6}}) {
        const Session base = ShippedAfter(player, weeks);
        for (BattleMode mode : {BattleMode::Turn, BattleMode::Real}) {
            for (int n = 0; n < 10; ++n) {
                Session session = base;
                World& w = session.world();
                w.BattleMode = mode;
                // An attack as a turn end announces it: from a rival district with people, on one
                // of the player's with people.
                std::vector<int> rivals, own;
                for (int c = 0; c < kCityCount; ++c) {
                    if (w.HumansIn(c).empty()) continue;
                    (w.IsPlayerCity(c) ? own : rivals).push_back(c);
                }
                ASSERT_FALSE(rivals.empty());
                ASSERT_FALSE(own.empty());
                w.AttackFromCity = rivals[random() % rivals.size()];
                w.AttackToCity = own[random() % own.size()];
                w.CitySword[w.AttackToCity] = static_cast<double>(random() % 150);
                w.CityStick[w.AttackToCity] = static_cast<double>(random() % 300);
                LockMap(w);
                w.DefenceSetupOpen = true;
                std::vector<int> people = DefenceSetupOf(w).people;
                std::shuffle(people.begin(), people.end(), random);
                people.resize(std::min<std::size_t>(people.size(), 1 + random() % 5));
                std::string line = "defend";
                for (int h : people)
                    line += Armed(h, RandomWeapon(random));
                ++results[ExpectForecastHolds(session, line, w.AttackToCity)];
            }
        }
    }
    for (const char* result : {"won", "lost", "refused"})
        EXPECT_GT(results[result], 0) << result;
}

// Every party of three that 서초 can send at the start, against every district it can attack,
// in both modes.
TEST(ForecastVerbs, EqualsEveryAttackFromSeochoWithThreePeople) {
    const Session base = ShippedAfter(0, 0);
    constexpr int kSeocho = 7;
    const FightSetup setup = AttackSetupOf(base.world(), kSeocho);
    ASSERT_GE(setup.people.size(), 3U);
    int results[5] = {};
    for (BattleMode mode : {BattleMode::Turn, BattleMode::Real}) {
        Session session = base;
        session.world().BattleMode = mode;
        RunLines(session, {"city 7"});
        const std::vector<int>& p = setup.people;
        for (std::size_t a = 0; a < p.size(); ++a) {
            for (std::size_t b = a + 1; b < p.size(); ++b) {
                for (std::size_t c = b + 1; c < p.size(); ++c) {
                    for (int target : setup.targets) {
                        const std::string line = "attack " + std::to_string(target) +
                                                 Armed(p[a], kFist) + Armed(p[b], kFist) +
                                                 Armed(p[c], kFist);
                        ExpectForecastHolds(session, line, target);
                        const std::string said = RunLines(session, {"forecast " + line});
                        for (int k = 0; k < 5; ++k) {
                            static const char* kWords[] = {"=won ", "=lost ", "=called-off ",
                                                           "=walk-in ", "=refused "};
                            results[k] += said.find(kWords[k]) != std::string::npos ? 1 : 0;
                        }
                    }
                }
            }
        }
    }
    // The parties of three win some fights and lose others.
    EXPECT_GT(results[0], 0);
    EXPECT_GT(results[1], 0);
}

TEST(ForecastVerbs, ErrorsAndTheOption) {
    Session session = ShippedAfter(0, 0);
    Session other = session;
    const std::string panel = RunLines(other, {"city 7"});
    EXPECT_EQ(RunLines(session, {"forecast", "forecast attack 8 0:주먹", "forecast defend",
                                 "city 7", "forecast attack 7 0:주먹", "forecast attack 8 99:주먹",
                                 "forecast attack 8 0:권총", "forecast attack - 0:주먹",
                                 "option forecast off", "forecast attack 8 0:진검"}),
              "error: usage: forecast attack TARGET [H:WEAPON ...] | forecast defend "
              "[H:WEAPON ...]\n"
              "error: the command menu is not open (city D)\n"
              "error: no attack is announced: no defence to set up\n" +
                  panel +
                  "error: the dialog does not list district '7'\n"
                  "error: the dialog does not list person '99'\n"
                  "error: no weapon '권총' (주먹, 각목, 사시미, 진검)\n"
                  "forecast result=refused owner=-1 fallen=- changed=-\n"
                  "forecast result=refused owner=6 fallen=- changed=-\n");
    EXPECT_FALSE(session.world().options.forecast);
    EXPECT_EQ(RunLines(session, {"auto"}), "error: no fight is running\n");
}

}  // namespace
}  // namespace golmok
