// The balance report: for each of the seven gangs in the player's hands, a game of up to 300 turns
// in which the player does nothing but end the turn. Writes one SVG chart per run (districts held
// by each gang, turn by turn) and prints a table in Markdown, then whether the world meets the
// liveliness targets. Every attack announced on the player is defended by itself (the five
// strongest people of the district, the best weapons its stocks allow, both sides fighting by
// the computer fighters' rule); a run stops when the player has lost his last district.
//
//     golmok-balance DATA_DIR OUT_DIR
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "fight/FightSetup.h"
#include "game/NewWorld.h"
#include "session/Session.h"
#include "world/SharedRoutines.h"
#include "game/TurnCycle.h"

namespace {

using namespace golmok;
namespace fs = std::filesystem;

constexpr int kMaxTurns = 300;

using Holdings = std::array<int, kGroupCount>;

struct Run {
    int player = 0;
    std::vector<Holdings> holdings;  // index = turns played (0: the start)
    int firstConquest = -1;          // a district passing from one computer gang to another
    int changesBy100 = 0;            // owner changes in the first 100 turns
    int attackOnPlayer = -1;         // the turn end that announced the first one
    int attacksOnPlayer = 0;         // every attack announced on the player
    int defencesWon = 0;
    int defencesStalled = 0;  // neither side could hurt the other: the attack was called off
    int districtLost = -1;    // the first district the player lost, with or without a fight
    int defeat = -1;
    int wholeCityTurn = -1;  // a computer gang holding all 25 districts
    std::string stop = "300 turns";
};

Holdings Count(const World& w) {
    Holdings held{};
    for (int c = 0; c < kCityCount; ++c) {
        if (auto g = w.OwnerOf(c)) held[*g] += 1;
    }
    return held;
}

Run Play(const World& start, int player) {
    Run run;
    run.player = player;
    World w = start;
    ChooseGroup(w, player);
    run.holdings.push_back(Count(w));
    for (int turn = 1; turn <= kMaxTurns; ++turn) {
        const World before = w;
        EndTurn(w);
        if (w.DefenceSetupOpen) {
            if (run.attackOnPlayer < 0) run.attackOnPlayer = turn;
            run.attacksOnPlayer += 1;
            const std::optional<Fight> fight = DefendByItself(w);
            if (fight && fight->result == FightResult::Won) run.defencesWon += 1;
            if (fight && fight->result == FightResult::Drawn) run.defencesStalled += 1;
            if (!fight || !fight->over()) {
                // No fight started (nobody left to defend): the attackers go home.
                w.DefenceSetupOpen = false;
                UnlockMap(w);
            }
        }
        for (int c = 0; c < kCityCount; ++c) {
            if (w.CityOwnerColor[c] == before.CityOwnerColor[c]) continue;
            if (turn <= 100) run.changesBy100 += 1;
            if (run.districtLost < 0 && before.IsPlayerCity(c)) run.districtLost = turn;
            if (run.firstConquest < 0 && !before.IsPlayerCity(c)) run.firstConquest = turn;
        }
        run.holdings.push_back(Count(w));
        for (int g = 0; g < kGroupCount; ++g) {
            if (g != player && run.holdings.back()[g] == kCityCount && run.wholeCityTurn < 0) {
                run.wholeCityTurn = turn;
            }
        }
        if (CheckGameEnd(w) == GameEnd::Defeat) {
            run.defeat = turn;
            run.stop = "player lost every district";
            break;
        }
    }
    return run;
}

// 0x00BBGGRR to #RRGGBB.
std::string Css(Color color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", color & 0xFF, (color >> 8) & 0xFF,
                  (color >> 16) & 0xFF);
    return text;
}

void WriteChart(const World& start, const Run& run, const fs::path& file) {
    const int left = 50, top = 40, width = 600, height = 300;
    const int turns = static_cast<int>(run.holdings.size()) - 1;
    const int span = std::max(turns, 1);
    auto x = [&](int turn) { return left + turn * width / span; };
    auto y = [&](int held) { return top + height - held * height / kCityCount; };
    std::ofstream svg(file);
    svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << left + width + 150
        << "\" height=\"" << top + height + 50
        << "\" font-family=\"sans-serif\" font-size=\"12\">\n"
        << "<rect width=\"100%\" height=\"100%\" fill=\"#303030\"/>\n"
        << "<text x=\"" << left << "\" y=\"20\" fill=\"#FFFFFF\" font-size=\"14\">"
        << "Districts held, player " << start.GroupName[run.player] << " (idle), " << turns
        << " turns" << (run.stop == "300 turns" ? "" : ", stopped: " + run.stop) << "</text>\n";
    for (int held = 0; held <= kCityCount; held += 5) {
        svg << "<line x1=\"" << left << "\" y1=\"" << y(held) << "\" x2=\"" << left + width
            << "\" y2=\"" << y(held) << "\" stroke=\"#606060\"/>\n"
            << "<text x=\"" << left - 25 << "\" y=\"" << y(held) + 4 << "\" fill=\"#C0C0C0\">"
            << held << "</text>\n";
    }
    const int step = span <= 20 ? 1 : span <= 100 ? 10 : 50;
    for (int turn = 0; turn <= turns; turn += step) {
        svg << "<text x=\"" << x(turn) - 6 << "\" y=\"" << top + height + 18
            << "\" fill=\"#C0C0C0\">" << turn << "</text>\n";
    }
    for (int g = 0; g < kGroupCount; ++g) {
        svg << "<polyline fill=\"none\" stroke-width=\"" << (g == run.player ? 3 : 1.5)
            << "\" stroke=\"" << Css(start.GroupColor[g]) << "\" points=\"";
        for (int turn = 0; turn <= turns; ++turn) {
            svg << x(turn) << ',' << y(run.holdings[turn][g]) << ' ';
        }
        svg << "\"/>\n"
            << "<text x=\"" << left + width + 15 << "\" y=\"" << top + 15 + g * 20 << "\" fill=\""
            << Css(start.GroupColor[g]) << "\">" << start.GroupName[g]
            << (g == run.player ? " (player)" : "") << ": " << run.holdings.back()[g]
            << "</text>\n";
    }
    svg << "<text x=\"" << left + width / 2 - 20 << "\" y=\"" << top + height + 40
        << "\" fill=\"#C0C0C0\">turn</text>\n</svg>\n";
}

std::string Turn(int turn) {
    return turn < 0 ? "-" : std::to_string(turn);
}

std::string At(const Run& run, int turn) {
    if (turn >= static_cast<int>(run.holdings.size())) return "-";
    std::string text;
    for (int g = 0; g < kGroupCount; ++g) {
        text += (g ? " " : "") + std::to_string(run.holdings[turn][g]);
    }
    return text;
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
    std::vector<Run> runs;
    for (int g = 0; g < kGroupCount; ++g) {
        runs.push_back(Play(start, g));
        WriteChart(start, runs.back(), out / ("balance-" + std::to_string(g) + ".svg"));
    }

    std::cout
        << "| player | turns played | stop | first conquest | changes by 100 | "
           "at 50 | at 100 | at 300 | first attack on player | attacks on player | defences won | "
           "called off | district lost | targets |\n"
        << "|---|---|---|---|---|---|---|---|---|---|---|---|---|---|\n";
    bool met = true;
    for (const Run& run : runs) {
        // The world is alive: gangs fight early and often, nobody sweeps the city too soon, and
        // an idle player is left alone for the first weeks.
        std::string missed;
        if (run.firstConquest < 0 || run.firstConquest > 20) missed += " first conquest";
        if (run.changesBy100 < 5) missed += " changes";
        if (run.wholeCityTurn >= 0 && run.wholeCityTurn < 48) missed += " whole city";
        if ((run.attackOnPlayer >= 0 && run.attackOnPlayer < 5) ||
            (run.districtLost >= 0 && run.districtLost < 5)) {
            missed += " early attack";
        }
        met = met && missed.empty();
        const int played = static_cast<int>(run.holdings.size()) - 1;
        std::cout << "| " << run.player << ' ' << start.GroupName[run.player] << " | " << played
                  << " | " << run.stop << " | " << Turn(run.firstConquest) << " | "
                  << run.changesBy100 << " | " << At(run, 50) << " | " << At(run, 100) << " | "
                  << At(run, 300) << " | " << Turn(run.attackOnPlayer) << " | "
                  << run.attacksOnPlayer << " | " << run.defencesWon << " | " << run.defencesStalled
                  << " | " << Turn(run.districtLost) << " | "
                  << (missed.empty() ? "met" : "missed:" + missed) << " |\n";
    }
    std::cout << (met ? "targets met\n" : "targets missed\n");
    return met ? 0 : 1;
}
