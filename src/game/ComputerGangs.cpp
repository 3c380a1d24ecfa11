#include "game/ComputerGangs.h"

#include <string>
#include <utility>
#include <vector>

#include "game/SharedRoutines.h"
#include "world/Numbers.h"

namespace golmok {

namespace {

// Where everybody stands, as district indexes (-1 for no district). The rules find people by the
// name of their district; looking each name up once per step keeps the scans cheap. The steps that
// move people (poaching, conquest) keep it in step with HumanCity.
struct Places {
    std::array<int, kHumanCount> city{};

    explicit Places(const World& w) {
        for (int h = 0; h < kHumanCount; ++h) {
            city[h] = -1;
            for (int c = 0; c < kCityCount; ++c) {
                if (w.HumanCity[h] == w.CityName[c]) {
                    city[h] = c;
                    break;
                }
            }
        }
    }

    void Move(World& w, int human, int to) {
        w.HumanCity[human] = w.CityName[to];
        city[human] = to;
    }
};

// A person the computer runs and who has not acted this turn.
bool AbleComputerPerson(const World& w, int h) {
    return w.HumanCanAct[h] && w.IsComputerPerson(h);
}

void Commerce(World& w) {
    for (int c = 0; c < kCityCount; ++c) {
        for (int h = 0; h < kHumanCount; ++h) {
            if (!AbleComputerPerson(w, h) || !(w.HumanIntelligence[h] > w.CityCommerce[c])) {
                continue;
            }
            // The first clever enough person settles the district, whether or not its money
            // suffices; he need not stand there.
            const double cost = Int(w.CityPopulation[c] * w.CityCommerce[c] / 10);
            if (w.CityMoney[c] > cost) {
                w.CityMoney[c] -= cost;
                w.CityCommerce[c] += 1;
                w.HumanCanAct[h] = false;
            }
            break;
        }
    }
}

void Money(World& w, const Places& places) {
    for (int c = 0; c < kCityCount; ++c) {
        int collector = -1;
        double best = 0;  // nobody with a score of 0 or less collects
        for (int h = 0; h < kHumanCount; ++h) {
            if (places.city[h] != c || !AbleComputerPerson(w, h)) continue;
            const double score = Int(
                (w.HumanAttack[h] + w.HumanDefence[h] + w.HumanStamina[h] + w.HumanAgility[h]) / 4);
            if (score > best) {
                best = score;
                collector = h;
            }
        }
        if (collector < 0) continue;
        // Same yield as the player's collecting, with the floored score; the order of the
        // products matters (a score of 29 on 100 × 10 / 10 gives 28).
        w.CityMoney[c] += Int((best * 0.01) * (w.CityPopulation[c] * w.CityCommerce[c] / 10));
        if (auto group = w.GroupIndexOf(w.HumanGroup[collector])) w.GroupFame[*group] -= 1;
        w.HumanCanAct[collector] = false;
    }
}

void Recruit(World& w) {
    for (int h = 0; h < kHumanCount; ++h) {
        if (!AbleComputerPerson(w, h) || w.HumanLeadership[h] == w.HumanMembers[h]) continue;
        // Free, and may pass the leadership: the turn end's range check brings members back.
        w.HumanMembers[h] += 5;
        w.HumanCanAct[h] = false;
    }
}

void Heal(World& w, const Places& places) {
    for (int h = 0; h < kHumanCount; ++h) {
        if (!w.IsComputerPerson(h)) continue;
        const double full = w.FullStamina(h);
        if (w.HumanStamina[h] == full) continue;
        const double cost = (full - w.HumanStamina[h]) * 10000;
        const int c = places.city[h];
        if (c >= 0 && w.CityMoney[c] >= cost) {
            w.HumanStamina[h] = full;
            w.CityMoney[c] -= cost;
            w.HumanCanAct[h] = false;
        }
    }
}

void Loyalty(World& w, const Places& places) {
    for (int h = 0; h < kHumanCount; ++h) {
        if (!w.IsComputerPerson(h) || w.HumanLoyalty[h] == 100) continue;
        const double cost = (100 - w.HumanLoyalty[h]) * 100000;
        const int c = places.city[h];
        if (c >= 0 && w.CityMoney[c] >= cost) {
            w.HumanLoyalty[h] = 100;
            w.CityMoney[c] -= cost;
            w.HumanCanAct[h] = false;
        }
    }
}

void Morale(World& w) {
    for (int h = 0; h < kHumanCount; ++h) {
        if (!AbleComputerPerson(w, h) || !(w.HumanMorale[h] < 60)) continue;
        w.HumanMorale[h] += 1;
        w.HumanCanAct[h] = false;
    }
}

void Scout(World& w, Places& places) {
    for (int c = 0; c < kCityCount; ++c) {
        int recruiter = -1;
        double bestSum = 0;
        for (int h = 0; h < kHumanCount; ++h) {
            if (places.city[h] != c || !AbleComputerPerson(w, h)) continue;
            const double sum = w.HumanCharm[h] + w.HumanIntelligence[h];
            if (sum > bestSum) {
                bestSum = sum;
                recruiter = h;
            }
        }
        int target = -1;
        double lowest = 100;  // only people short of full loyalty can be lured
        for (int h = 0; h < kHumanCount; ++h) {
            if (places.city[h] == c) continue;
            if (w.HumanLoyalty[h] < lowest) {
                lowest = w.HumanLoyalty[h];
                target = h;
            }
        }
        // A district without a recruiter, or a world without anybody to lure, poaches nobody.
        if (recruiter < 0 || target < 0) continue;
        const double r = (w.HumanCharm[recruiter] + w.HumanIntelligence[recruiter]) / 2;
        if (r >= w.HumanLoyalty[target]) {
            w.HumanCanAct[recruiter] = false;
            // Rank, loyalty and members go with him; he may still act this turn.
            places.Move(w, target, c);
            w.HumanGroup[target] = w.HumanGroup[recruiter];
        }
    }
}

// Gives bosses their full loyalty back as RestoreBossLoyalty does, over the (person, gang) pairs
// whose names match, found once per attack step: names do not change while it runs.
class BossRestorer {
  public:
    explicit BossRestorer(const World& w) {
        for (int h = 0; h < kHumanCount; ++h) {
            for (int g = 0; g < kGroupCount; ++g) {
                if (w.HumanName[h] == w.GroupBossName[g]) bosses_.emplace_back(h, g);
            }
        }
    }

    void Run(World& w, const Places& places) const {
        for (auto [h, g] : bosses_) {
            const int c = places.city[h];
            if (c >= 0 && w.CityOwnerColor[c] == w.GroupColor[g]) w.HumanLoyalty[h] = 100;
        }
    }

  private:
    std::vector<std::pair<int, int>> bosses_;
};

struct Party {
    int n = 0;
    double strength = 0;
};

// The attack party of district c: its first five computer people, in index order, who still
// have members or stamina. Whether they have acted does not matter.
Party PickFighters(World& w, const Places& places, int c, std::string& attackGroupName) {
    Party party;
    for (int h = 0; h < kHumanCount && party.n < 5; ++h) {
        if (places.city[h] != c || !w.IsComputerPerson(h) || w.HumanInAttackParty[h]) continue;
        if (!(w.HumanMembers[h] + w.HumanStamina[h] > 0)) continue;
        w.HumanInAttackParty[h] = true;
        attackGroupName = w.HumanGroup[h];
        party.n += 1;
        party.strength += w.HumanMembers[h] + w.HumanStamina[h];
    }
    return party;
}

int ChooseTarget(const World& w, int c, const Party& party) {
    // A gang allied with the player attacks nobody.
    if (auto owner = w.OwnerOf(c); owner && w.GroupAlly[*owner] == 1) return -1;
    for (int t = 0; t < kCityCount; ++t) {
        if (!(party.n > w.CityHumanCount[t]) || !(party.strength > w.CityMemberTotal[t])) continue;
        // Once an attack on the player is planned, his districts are safe for the turn.
        if (w.IsPlayerCity(t) && w.AttackFromCity != -1) continue;
        // A gang does not fall upon its own districts.
        if (w.CityOwnerColor[t] == w.CityOwnerColor[c]) continue;
        return t;
    }
    return -1;
}

void Conquer(World& w, Places& places, const BossRestorer& bosses, int c, int t,
             const std::string& attackGroupName) {
    w.CityOwnerColor[t] = w.CityOwnerColor[c];
    for (int h = 0; h < kHumanCount; ++h) {
        if (places.city[h] == t) {
            // Whoever is found there joins the winners, beaten.
            w.HumanGroup[h] = attackGroupName;
            w.HumanLoyalty[h] -= 20;
            bosses.Run(w, places);
            w.HumanStamina[h] -= 50;
            w.HumanMembers[h] -= 50;
            w.CityMemberTotal[t] -= 50;
            w.HumanMorale[h] -= 10;
        }
        if (w.HumanInAttackParty[h]) {
            // Only the first fighter into an empty district walks in unhurt.
            if (w.CityHumanCount[t] != 0) {
                w.HumanStamina[h] -= 50;
                w.HumanMembers[h] -= 50;
            }
            w.HumanLoyalty[h] -= 20;
            bosses.Run(w, places);
            w.HumanMorale[h] += 10;
            w.HumanCanAct[h] = false;
            w.HumanInAttackParty[h] = false;
            w.CityHumanCount[t] += 1;
            places.Move(w, h, t);
        }
    }
}

// Nobody defends it: the fighters walk in and nothing is announced.
void TakeEmptyPlayerDistrict(World& w, Places& places, const BossRestorer& bosses, int c, int t) {
    w.CityOwnerColor[t] = w.CityOwnerColor[c];
    for (int h = 0; h < kHumanCount; ++h) {
        if (!w.HumanInAttackParty[h]) continue;
        w.HumanLoyalty[h] -= 20;
        w.HumanMorale[h] += 10;
        w.HumanCanAct[h] = false;
        w.HumanInAttackParty[h] = false;
        w.CityHumanCount[t] += 1;
        places.Move(w, h, t);
        bosses.Run(w, places);
    }
}

void ClearParties(World& w) {
    w.HumanInAttackParty.fill(false);
    w.HumanInDefenceParty.fill(false);
}

void Attack(World& w, Places& places) {
    RecountCities(w);
    w.AttackFromCity = -1;
    ClearParties(w);
    const BossRestorer bosses(w);
    // The gang of the fighters picked last; the people of a conquered district join it.
    std::string attackGroupName;
    for (int c = 0; c < kCityCount; ++c) {
        if (w.IsPlayerCity(c)) continue;
        const Party party = PickFighters(w, places, c, attackGroupName);
        const int t = ChooseTarget(w, c, party);
        if (t >= 0) {
            if (!w.IsPlayerCity(t)) {
                Conquer(w, places, bosses, c, t, attackGroupName);
            } else if (w.CityHumanCount[t] != 0) {
                // Fought out on the defence set-up after the turn end.
                w.AttackFromCity = c;
                w.AttackToCity = t;
            } else {
                TakeEmptyPlayerDistrict(w, places, bosses, c, t);
            }
        }
        ClearParties(w);
    }
}

}  // namespace

void CommerceAI(World& world) {
    Commerce(world);
}
void MoneyAI(World& world) {
    Money(world, Places(world));
}
void RecruitAI(World& world) {
    Recruit(world);
}
void HealAI(World& world) {
    Heal(world, Places(world));
}
void LoyaltyAI(World& world) {
    Loyalty(world, Places(world));
}
void MoraleAI(World& world) {
    Morale(world);
}

void ScoutAI(World& world) {
    Places places(world);
    Scout(world, places);
}

void AttackAI(World& world) {
    Places places(world);
    Attack(world, places);
}

void RunComputerGangs(World& world) {
    // Only poaching and conquest move people, and they keep the places up to date.
    Places places(world);
    Commerce(world);
    Money(world, places);
    Recruit(world);
    Heal(world, places);
    Loyalty(world, places);
    Morale(world);
    Scout(world, places);
    Attack(world, places);
}

}  // namespace golmok
