// A helper for tuning the starting world: searches where people stand at the start (bosses stay
// put) for a placement that meets the balance targets of golmok-balance, moving as few people
// away from their gang's districts as it can. Prints the moves as "index name district" lines.
// The search uses a fixed seed, so the same data give the same answer.
//
//     golmok-tune DATA_DIR [ITERATIONS]
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "game/NewWorld.h"
#include "session/Session.h"
#include "game/TurnCycle.h"
#include "world/Tables.h"

namespace {

using namespace golmok;

// The balance targets for one idle player, as a penalty (0: all met).
int Judge(const World& start, int player, std::string* why) {
    World w = start;
    ChooseGroup(w, player);
    int firstConquest = -1, changes = 0, firstHit = -1, wholeCity = -1;
    for (int turn = 1; turn <= 100; ++turn) {
        const CityTable<Color> before = w.CityOwnerColor;
        EndTurn(w);
        for (int c = 0; c < kCityCount; ++c) {
            if (w.CityOwnerColor[c] == before[c]) continue;
            ++changes;
            if (before[c] == w.PlayerColor) {
                if (firstHit < 0) firstHit = turn;
            } else if (firstConquest < 0) {
                firstConquest = turn;
            }
        }
        bool oneColour = true;
        for (int c = 1; c < kCityCount; ++c)
            oneColour &= w.CityOwnerColor[c] == w.CityOwnerColor[0];
        if (oneColour && !w.IsPlayerCity(0) && wholeCity < 0) wholeCity = turn;
        if (w.DefenceSetupOpen && firstHit < 0) firstHit = turn;
        if (w.DefenceSetupOpen || CheckGameEnd(w) != GameEnd::Running) break;
    }
    int penalty = 0;
    if (firstConquest < 0 || firstConquest > 20) penalty += 100;
    if (firstHit >= 0 && firstHit < 5) penalty += (5 - firstHit) * 60;
    if (changes < 5) penalty += (5 - changes) * 10;
    if (wholeCity >= 0 && wholeCity < 48) penalty += 50;
    if (why) {
        *why = "player " + std::to_string(player) + ": conquest " + std::to_string(firstConquest) +
               " hit " + std::to_string(firstHit) + " changes " + std::to_string(changes) +
               " whole " + std::to_string(wholeCity);
    }
    return penalty;
}

int Misplaced(const World& w) {
    int count = 0;
    for (int h = 0; h < kHumanCount; ++h) {
        auto c = w.CityIndexOf(w.HumanCity[h]);
        if (c && w.OwnerOf(*c) != w.GroupIndexOf(w.HumanGroup[h])) ++count;
    }
    return count;
}

int Score(const World& w, bool print) {
    int total = Misplaced(w);
    for (int g = 0; g < kGroupCount; ++g) {
        std::string why;
        total += Judge(w, g, print ? &why : nullptr);
        if (print) std::cout << "# " << why << '\n';
    }
    return total;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: golmok-tune DATA_DIR [ITERATIONS]\n";
        return 2;
    }
    const World original = BuildNewWorld(argv[1]);
    const int iterations = argc > 2 ? std::stoi(argv[2]) : 3000;
    std::vector<int> movable;
    for (int h = 0; h < kHumanCount; ++h) {
        if (original.HumanRank[h] != kBossRank) movable.push_back(h);
    }
    std::mt19937 random(1930);
    World best = original;
    int bestScore = Score(best, false);
    std::cout << "# start " << bestScore << '\n';
    for (int i = 0; i < iterations && bestScore > 0; ++i) {
        World trial = best;
        const int moves = 1 + static_cast<int>(random() % 2);
        for (int m = 0; m < moves; ++m) {
            const int h = movable[random() % movable.size()];
            // Half the time back to a district of his own gang, else anywhere.
            if (random() % 2 == 0) {
                trial.HumanCity[h] = original.HumanCity[h];
            } else {
                trial.HumanCity[h] = trial.CityName[random() % kCityCount];
            }
        }
        const int score = Score(trial, false);
        if (score <= bestScore) {
            if (score < bestScore) std::cout << "# " << i << ": " << score << '\n';
            best = std::move(trial);
            bestScore = score;
        }
    }
    Score(best, true);
    std::cout << "# score " << bestScore << '\n';
    for (int h = 0; h < kHumanCount; ++h) {
        if (best.HumanCity[h] != original.HumanCity[h]) {
            std::cout << h << ' ' << best.HumanName[h] << ' ' << best.HumanCity[h] << '\n';
        }
    }
    return bestScore == 0 ? 0 : 1;
}
