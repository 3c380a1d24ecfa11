#include "game/ComputerGangs.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "game/TurnNews.h"
#include "world/Numbers.h"

namespace golmok {

namespace {

// A set of people, walked in ascending index order as every scan of the rules runs.
class PeopleSet {
  public:
    void Add(int h) { words_[h / 64] |= std::uint64_t{1} << (h % 64); }
    void Remove(int h) { words_[h / 64] &= ~(std::uint64_t{1} << (h % 64)); }
    int Count() const {
        int n = 0;
        for (std::uint64_t word : words_)
            n += std::popcount(word);
        return n;
    }
    PeopleSet operator|(const PeopleSet& other) const {
        PeopleSet both;
        for (std::size_t i = 0; i < words_.size(); ++i)
            both.words_[i] = words_[i] | other.words_[i];
        return both;
    }
    // Calls f(h) for each person in ascending order until f returns false.
    template <class F>
    void ForEach(F f) const {
        for (std::size_t i = 0; i < words_.size(); ++i) {
            for (std::uint64_t bits = words_[i]; bits != 0; bits &= bits - 1) {
                if (!f(static_cast<int>(i * 64) + std::countr_zero(bits))) return;
            }
        }
    }

  private:
    std::array<std::uint64_t, (kHumanCount + 63) / 64> words_{};
};

// The first district, and the first gang, bearing a name; -1 for none.
int CityNamed(const World& w, const std::string& name) {
    for (int c = 0; c < kCityCount; ++c) {
        if (w.CityName[c] == name) return c;
    }
    return -1;
}
int GangNamed(const World& w, const std::string& name) {
    for (int g = 0; g < kGroupCount; ++g) {
        if (w.GroupName[g] == name) return g;
    }
    return -1;
}

// Brings the kept index up to date with the world: looked up afresh when the names of the
// districts, gangs, bosses or people have changed (a new world), otherwise each person's entry
// checked against his place and gang by one comparison and looked up again only when it fails.
// A person in no district or no gang is looked up every time; there are few.
void Refresh(World& w) {
    TurnIndex& index = w.turnIndex;
    const bool sameNames = index.built && index.cityNames == w.CityName &&
                           index.gangNames == w.GroupName && index.bossNames == w.GroupBossName &&
                           index.humanNames == w.HumanName;
    if (!sameNames) {
        index.cityNames = w.CityName;
        index.gangNames = w.GroupName;
        index.bossNames = w.GroupBossName;
        index.humanNames = w.HumanName;
        index.bosses.clear();
        for (int h = 0; h < kHumanCount; ++h) {
            for (int g = 0; g < kGroupCount; ++g) {
                if (w.HumanName[h] == w.GroupBossName[g]) index.bosses.emplace_back(h, g);
            }
            index.city[h] = -1;
            index.gang[h] = -1;
        }
        index.built = true;
    }
    for (int h = 0; h < kHumanCount; ++h) {
        const int c = index.city[h];
        if (c < 0 || w.HumanCity[h] != w.CityName[c]) {
            index.city[h] = static_cast<std::int16_t>(CityNamed(w, w.HumanCity[h]));
        }
        const int g = index.gang[h];
        if (g < 0 || w.HumanGroup[h] != w.GroupName[g]) {
            index.gang[h] = static_cast<std::int16_t>(GangNamed(w, w.HumanGroup[h]));
        }
    }
}

TurnIndex& Refreshed(World& w) {
    Refresh(w);
    return w.turnIndex;
}

// Where everybody stands, as district indexes (-1 for no district), and who is a computer person,
// from the index the world keeps. The steps that move people or change their gang (poaching,
// conquest) keep both in step with HumanCity and HumanGroup.
struct Places {
    TurnIndex& index;
    const std::array<std::int16_t, kHumanCount>& city;
    std::array<bool, kHumanCount> computer{};
    CityTable<PeopleSet> in{};      // the people standing in each district
    GroupTable<bool> playerGang{};  // the gangs bearing the player's gang's name
    // Where the week's news is written, if anybody wants it; every step reaches it through here.
    TurnNews* news = nullptr;

    explicit Places(World& w) : index(Refreshed(w)), city(index.city) {
        for (int g = 0; g < kGroupCount; ++g)
            playerGang[g] = w.GroupName[g] == w.PlayerGroupName;
        for (int h = 0; h < kHumanCount; ++h) {
            if (city[h] >= 0) in[city[h]].Add(h);
            computer[h] = IsComputer(w, h);
        }
    }

    // Any gang but the player's, those of no gang included.
    bool IsComputer(const World& w, int h) const {
        const int g = index.gang[h];
        return g >= 0 ? !playerGang[g] : w.IsComputerPerson(h);
    }

    void Move(World& w, int human, int to) {
        w.HumanCity[human] = w.CityName[to];
        if (city[human] >= 0) in[city[human]].Remove(human);
        in[to].Add(human);
        index.city[human] = static_cast<std::int16_t>(to);
    }

    void Join(World& w, int human, const std::string& group) {
        w.HumanGroup[human] = group;
        index.gang[human] = static_cast<std::int16_t>(GangNamed(w, group));
        computer[human] = IsComputer(w, human);
    }

    // The gang a person belongs to, -1 for none.
    int GangOf(int h) const { return index.gang[h]; }

    // A person the computer runs and who has not acted this turn.
    bool AbleComputerPerson(const World& w, int h) const { return w.HumanCanAct[h] && computer[h]; }

    void Record(const TurnEvent& event) const {
        if (news != nullptr) news->push_back(event);
    }
};

int OwnerIndex(const World& w, int city) {
    if (auto owner = w.OwnerOf(city)) return *owner;
    return -1;
}

void Commerce(World& w, const Places& places) {
    // Nobody clever enough anywhere: a district at or above this commerce finds nobody.
    double cleverest = -1;
    for (int h = 0; h < kHumanCount; ++h) {
        if (places.AbleComputerPerson(w, h))
            cleverest = std::max(cleverest, w.HumanIntelligence[h]);
    }
    for (int c = 0; c < kCityCount; ++c) {
        if (!(cleverest > w.CityCommerce[c])) continue;
        for (int h = 0; h < kHumanCount; ++h) {
            if (!places.AbleComputerPerson(w, h) || !(w.HumanIntelligence[h] > w.CityCommerce[c])) {
                continue;
            }
            // The first clever enough person settles the district, whether or not its money
            // suffices; he need not stand there.
            const double cost = Int(w.CityPopulation[c] * w.CityCommerce[c] / 10);
            if (w.CityMoney[c] > cost) {
                w.CityMoney[c] -= cost;
                w.CityCommerce[c] += 1;
                w.HumanCanAct[h] = false;
                // A rival spending the player's money in the player's district is news to him.
                if (places.news != nullptr && w.IsPlayerCity(c)) {
                    TurnEvent spent;
                    spent.kind = TurnEventKind::Commerce;
                    spent.gang = GangOf(w, h);
                    spent.city = c;
                    spent.money = cost;
                    places.Record(spent);
                }
            }
            break;
        }
    }
}

void Money(World& w, const Places& places) {
    // Each district's collector comes from its own people and collecting there changes nothing
    // for another district, so one pass over the people finds every district's best.
    CityTable<int> collectors;
    collectors.fill(-1);
    CityTable<double> scores{};  // nobody with a score of 0 or less collects
    for (int h = 0; h < kHumanCount; ++h) {
        const int c = places.city[h];
        if (c < 0 || !places.AbleComputerPerson(w, h)) continue;
        const double score =
            Int((w.HumanAttack[h] + w.HumanDefence[h] + w.HumanStamina[h] + w.HumanAgility[h]) / 4);
        if (score > scores[c]) {
            scores[c] = score;
            collectors[c] = h;
        }
    }
    for (int c = 0; c < kCityCount; ++c) {
        const int collector = collectors[c];
        const double best = scores[c];
        if (collector < 0) continue;
        // Same yield as the player's collecting, with the floored score; the order of the
        // products matters (a score of 29 on 100 × 10 / 10 gives 28).
        w.CityMoney[c] += Int((best * 0.01) * (w.CityPopulation[c] * w.CityCommerce[c] / 10));
        if (const int group = places.GangOf(collector); group >= 0) w.GroupFame[group] -= 1;
        w.HumanCanAct[collector] = false;
    }
}

void Recruit(World& w, const Places& places) {
    // The news counts, gang by gang, the members that stay once the range check has run.
    GroupTable<double> gained{};
    GroupTable<int> recruiters{};
    for (int h = 0; h < kHumanCount; ++h) {
        if (!places.AbleComputerPerson(w, h) || w.HumanLeadership[h] == w.HumanMembers[h]) continue;
        if (places.news != nullptr) {
            const double kept = std::min(w.HumanMembers[h] + 5, w.HumanLeadership[h]);
            const int gang = GangOf(w, h);
            if (gang >= 0 && kept > w.HumanMembers[h]) {
                gained[gang] += kept - w.HumanMembers[h];
                recruiters[gang] += 1;
            }
        }
        // Free, and may pass the leadership: the turn end's range check brings members back.
        w.HumanMembers[h] += 5;
        w.HumanCanAct[h] = false;
    }
    for (int g = 0; g < kGroupCount; ++g) {
        if (recruiters[g] == 0) continue;
        TurnEvent recruited;
        recruited.kind = TurnEventKind::Recruited;
        recruited.gang = g;
        recruited.members = gained[g];
        recruited.people = recruiters[g];
        places.Record(recruited);
    }
}

void Heal(World& w, const Places& places) {
    for (int h = 0; h < kHumanCount; ++h) {
        if (!places.computer[h]) continue;
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
        if (!places.computer[h] || w.HumanLoyalty[h] == 100) continue;
        const double cost = (100 - w.HumanLoyalty[h]) * 100000;
        const int c = places.city[h];
        if (c >= 0 && w.CityMoney[c] >= cost) {
            w.HumanLoyalty[h] = 100;
            w.CityMoney[c] -= cost;
            w.HumanCanAct[h] = false;
        }
    }
}

void Morale(World& w, const Places& places) {
    for (int h = 0; h < kHumanCount; ++h) {
        if (!places.AbleComputerPerson(w, h) || !(w.HumanMorale[h] < 60)) continue;
        w.HumanMorale[h] += 1;
        w.HumanCanAct[h] = false;
    }
}

void Scout(World& w, Places& places) {
    // Only people short of full loyalty can be lured, and poaching changes nobody's loyalty.
    // The least loyal first, ties by index: a district's target is the first of them standing
    // elsewhere.
    std::vector<int> lurable;
    for (int h = 0; h < kHumanCount; ++h) {
        if (w.HumanLoyalty[h] < 100) lurable.push_back(h);
    }
    std::stable_sort(lurable.begin(), lurable.end(),
                     [&](int a, int b) { return w.HumanLoyalty[a] < w.HumanLoyalty[b]; });
    for (int c = 0; c < kCityCount; ++c) {
        int recruiter = -1;
        double bestSum = 0;
        places.in[c].ForEach([&](int h) {
            if (places.AbleComputerPerson(w, h)) {
                const double sum = w.HumanCharm[h] + w.HumanIntelligence[h];
                if (sum > bestSum) {
                    bestSum = sum;
                    recruiter = h;
                }
            }
            return true;
        });
        // Under 살아있는 세계 a person lured earlier in the step is loyal again and out of reach;
        // otherwise nobody's loyalty changes here and the test passes everybody listed.
        int target = -1;
        for (int h : lurable) {
            if (places.city[h] != c && w.HumanLoyalty[h] < 100) {
                target = h;
                break;
            }
        }
        // A district without a recruiter, or a world without anybody to lure, poaches nobody.
        if (recruiter < 0 || target < 0) continue;
        const double r = (w.HumanCharm[recruiter] + w.HumanIntelligence[recruiter]) / 2;
        if (r >= w.HumanLoyalty[target]) {
            w.HumanCanAct[recruiter] = false;
            TurnEvent poached;
            poached.kind = TurnEventKind::Poached;
            poached.human = target;
            poached.gang = GangOf(w, recruiter);
            poached.fromGang = GangOf(w, target);
            poached.city = c;
            poached.fromCity = places.city[target];
            places.Record(poached);
            // Rank, loyalty and members go with him; he may still act this turn. 영입 충성: won
            // over, he is as loyal as a man the player's scout brings in.
            places.Move(w, target, c);
            places.Join(w, target, w.HumanGroup[recruiter]);
            if (w.options.living) w.HumanLoyalty[target] = 100;
        }
    }
}

// Gives bosses their full loyalty back as RestoreBossLoyalty does, over the (person, gang) pairs
// whose names match, as the index keeps them.
class BossRestorer {
  public:
    explicit BossRestorer(const Places& places) : bosses_(places.index.bosses) {}

    // The first person bearing the gang's boss name, or -1.
    int BossOf(int group) const {
        for (auto [h, g] : bosses_) {
            if (g == group) return h;
        }
        return -1;
    }

    void Run(World& w, const Places& places) const {
        for (auto [h, g] : bosses_) {
            const int c = places.city[h];
            if (c >= 0 && w.CityOwnerColor[c] == w.GroupColor[g]) w.HumanLoyalty[h] = 100;
        }
    }

  private:
    const std::vector<std::pair<int, int>>& bosses_;
};

struct Party {
    int n = 0;
    double strength = 0;
    PeopleSet fighters;
};

// The attack party of district c: its first five computer people, in index order, who still
// have members or stamina. Whether they have acted does not matter.
Party PickFighters(World& w, const Places& places, int c, std::string& attackGroupName) {
    Party party;
    places.in[c].ForEach([&](int h) {
        if (!places.computer[h] || w.HumanInAttackParty[h]) return true;
        if (!(w.HumanMembers[h] + w.HumanStamina[h] > 0)) return true;
        w.HumanInAttackParty[h] = true;
        party.fighters.Add(h);
        attackGroupName = w.HumanGroup[h];
        party.n += 1;
        party.strength += w.HumanMembers[h] + w.HumanStamina[h];
        return party.n < 5;
    });
    return party;
}

// 초반 휴전: the turn ends of the game's first four weeks (January 1930) attack none of the
// player's districts. The turn end has already moved the date on: ending week 4 shows week 5.
bool InTruce(const World& w) {
    const int week = (w.Year - 1930) * 48 + (w.Month - 1) * 4 + w.Week;
    return w.options.truce && week <= 5;
}

// 강한 조직: five fighters may fall upon a player's district of five or more people when they are
// more than three times as strong as all the members there.
bool StrongPartyMayAttack(const World& w, const Party& party, int t) {
    return w.options.strongGangs && w.IsPlayerCity(t) && party.n == 5 && w.CityHumanCount[t] >= 5 &&
           party.strength > 3 * w.CityMemberTotal[t];
}

// Members + stamina of the five strongest people standing in district t, of any gang.
double FiveStrongestThere(const World& w, const Places& places, int t) {
    std::array<double, 5> best{};
    int found = 0;
    places.in[t].ForEach([&](int h) {
        double strength = w.HumanMembers[h] + w.HumanStamina[h];
        // Keep the five largest, largest first.
        for (int i = 0; i < found; ++i) {
            if (strength > best[i]) std::swap(strength, best[i]);
        }
        if (found < 5) best[found++] = strength;
        return true;
    });
    double total = 0;
    for (int i = 0; i < found; ++i)
        total += best[i];
    return total;
}

// 살아있는 세계, 월말 총공세: at the turn end that brings week 4 of a month, a full party may fall
// upon another computer gang's district of five or more people when it is more than twice as
// strong as the five strongest people standing there.
bool MonthEndPush(const World& w, const Places& places, const Party& party, int t) {
    return w.options.living && w.Week == 4 && party.n == 5 && !w.IsPlayerCity(t) &&
           w.OwnerOf(t).has_value() && w.CityHumanCount[t] >= 5 &&
           party.strength > 2 * FiveStrongestThere(w, places, t);
}

int ChooseTarget(const World& w, const Places& places, int c, const Party& party) {
    // A gang allied with the player attacks nobody.
    if (auto owner = w.OwnerOf(c); owner && w.GroupAlly[*owner] == 1) return -1;
    for (int t = 0; t < kCityCount; ++t) {
        if ((!(party.n > w.CityHumanCount[t]) || !(party.strength > w.CityMemberTotal[t])) &&
            !StrongPartyMayAttack(w, party, t) && !MonthEndPush(w, places, party, t)) {
            continue;
        }
        // Once an attack on the player is planned, his districts are safe for the turn.
        if (w.IsPlayerCity(t) && (w.AttackFromCity != -1 || InTruce(w))) continue;
        // A gang does not fall upon its own districts.
        if (w.CityOwnerColor[t] == w.CityOwnerColor[c]) continue;
        return t;
    }
    return -1;
}

// The gang of district c goes for district t, the player's or another gang's.
TurnEvent MoveEvent(const World& w, TurnEventKind kind, int c, int t) {
    TurnEvent event;
    event.kind = kind;
    event.city = t;
    event.fromCity = c;
    event.gang = OwnerIndex(w, c);
    event.fromGang = OwnerIndex(w, t);
    return event;
}

// 살아있는 세계, 패주: where a person beaten in a computer gang's district flees to, when his gang
// still holds a district: the one where the fewest people stand, the lowest index on ties; -1
// when he joins the winners as the game's own rule has it. People are counted where they stand,
// not by the tallies, which still count the fighters who have left a district this turn.
int RetreatOf(const World& w, const Places& places, int h, int t,
              const std::string& attackGroupName) {
    if (w.HumanGroup[h] == attackGroupName) return -1;
    const int gang = places.GangOf(h);
    if (gang < 0) return -1;
    int refuge = -1;
    int fewest = 0;
    for (int d = 0; d < kCityCount; ++d) {
        if (d == t || w.CityOwnerColor[d] != w.GroupColor[gang]) continue;
        const int people = places.in[d].Count();
        if (refuge < 0 || people < fewest) {
            refuge = d;
            fewest = people;
        }
    }
    return refuge;
}

void Conquer(World& w, Places& places, const BossRestorer& bosses, const Party& party, int c, int t,
             const std::string& attackGroupName) {
    TurnEvent taken = MoveEvent(w, TurnEventKind::Taken, c, t);
    places.in[t].ForEach([&](int) {
        taken.fought = true;
        return false;
    });
    places.Record(taken);
    // 패주 applies only between computer gangs.
    const bool rout = w.options.living && taken.fromGang >= 0 && !w.IsPlayerCity(t);
    w.CityOwnerColor[t] = w.CityOwnerColor[c];
    // Everybody in the district and every fighter, in index order; a fighter who has just moved
    // in is not taken for a defender.
    (places.in[t] | party.fighters).ForEach([&](int h) {
        if (places.city[h] == t) {
            // Whoever is found there joins the winners, beaten; under 패주 he keeps his gang if
            // it has somewhere to go and flees there with what is left of his members.
            const int refuge = rout ? RetreatOf(w, places, h, t, attackGroupName) : -1;
            if (refuge < 0) {
                if (places.news != nullptr && w.HumanGroup[h] != attackGroupName) {
                    TurnEvent changed;
                    changed.kind = TurnEventKind::ChangedSides;
                    changed.human = h;
                    changed.city = t;
                    changed.fromGang = GangOf(w, h);
                    changed.gang = w.GroupIndexOf(attackGroupName).value_or(-1);
                    places.Record(changed);
                }
                places.Join(w, h, attackGroupName);
            }
            w.HumanLoyalty[h] -= 20;
            bosses.Run(w, places);
            w.HumanStamina[h] -= 50;
            w.HumanMembers[h] -= 50;
            w.CityMemberTotal[t] -= 50;
            w.HumanMorale[h] -= 10;
            if (refuge >= 0) {
                // The tallies follow him.
                const double left = std::max(0.0, w.HumanMembers[h]);
                w.CityHumanCount[t] -= 1;
                w.CityMemberTotal[t] -= left;
                w.CityHumanCount[refuge] += 1;
                w.CityMemberTotal[refuge] += left;
                places.Move(w, h, refuge);
            }
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
        return true;
    });
}

// Nobody defends it: the fighters walk in and nothing is announced.
void TakeEmptyPlayerDistrict(World& w, Places& places, const BossRestorer& bosses,
                             const Party& party, int c, int t) {
    const TurnEvent taken = MoveEvent(w, TurnEventKind::Taken, c, t);
    places.Record(taken);
    w.CityOwnerColor[t] = w.CityOwnerColor[c];
    party.fighters.ForEach([&](int h) {
        w.HumanLoyalty[h] -= 20;
        w.HumanMorale[h] += 10;
        w.HumanCanAct[h] = false;
        w.HumanInAttackParty[h] = false;
        w.CityHumanCount[t] += 1;
        places.Move(w, h, t);
        bosses.Run(w, places);
        return true;
    });
}

void ClearParties(World& w) {
    w.HumanInAttackParty.fill(false);
    w.HumanInDefenceParty.fill(false);
}

// RecountCities, from the places already looked up.
void Recount(World& w, const Places& places) {
    w.CityHumanCount.fill(0);
    w.CityMemberTotal.fill(0);
    for (int h = 0; h < kHumanCount; ++h) {
        if (const int c = places.city[h]; c >= 0) {
            w.CityHumanCount[c] += 1;
            w.CityMemberTotal[c] += w.HumanMembers[h];
        }
    }
}

// 살아있는 세계, 재기: a computer gang left with no district rises again in the district of
// another computer gang where its boss stands; everybody there joins it.
void Comeback(World& w, Places& places, const BossRestorer& bosses) {
    for (int g = 0; g < kGroupCount; ++g) {
        if (g == w.PlayerGroupIndex) continue;
        bool holds = false;
        for (int c = 0; c < kCityCount && !holds; ++c)
            holds = w.CityOwnerColor[c] == w.GroupColor[g];
        if (holds) continue;
        const int boss = bosses.BossOf(g);
        const int d = boss >= 0 ? places.city[boss] : -1;
        if (d < 0 || w.IsPlayerCity(d)) continue;
        const int owner = OwnerIndex(w, d);
        if (owner < 0) continue;
        TurnEvent rose;
        rose.kind = TurnEventKind::Comeback;
        rose.gang = g;
        rose.fromGang = owner;
        rose.city = d;
        rose.human = boss;
        places.Record(rose);
        w.SetOwner(d, g);
        places.in[d].ForEach([&](int h) {
            places.Join(w, h, w.GroupName[g]);
            return true;
        });
    }
}

void Attack(World& w, Places& places) {
    const BossRestorer bosses(places);
    if (w.options.living) Comeback(w, places, bosses);
    Recount(w, places);
    w.AttackFromCity = -1;
    ClearParties(w);
    // The gang of the fighters picked last; the people of a conquered district join it.
    std::string attackGroupName;
    for (int c = 0; c < kCityCount; ++c) {
        if (w.IsPlayerCity(c)) continue;
        const Party party = PickFighters(w, places, c, attackGroupName);
        const int t = ChooseTarget(w, places, c, party);
        if (t >= 0) {
            if (!w.IsPlayerCity(t)) {
                Conquer(w, places, bosses, party, c, t, attackGroupName);
            } else if (w.CityHumanCount[t] != 0) {
                // Fought out on the defence set-up after the turn end.
                w.AttackFromCity = c;
                w.AttackToCity = t;
                places.Record(MoveEvent(w, TurnEventKind::Attack, c, t));
            } else {
                TakeEmptyPlayerDistrict(w, places, bosses, party, c, t);
            }
        }
        // Nobody else has been put in a party since the step began.
        party.fighters.ForEach([&](int h) {
            w.HumanInAttackParty[h] = false;
            return true;
        });
    }
}

}  // namespace

void CommerceAI(World& world) {
    Commerce(world, Places(world));
}
void MoneyAI(World& world) {
    Money(world, Places(world));
}
void RecruitAI(World& world) {
    Recruit(world, Places(world));
}
void HealAI(World& world) {
    Heal(world, Places(world));
}
void LoyaltyAI(World& world) {
    Loyalty(world, Places(world));
}
void MoraleAI(World& world) {
    Morale(world, Places(world));
}

void ScoutAI(World& world) {
    Places places(world);
    Scout(world, places);
}

void AttackAI(World& world) {
    Places places(world);
    Attack(world, places);
}

void RunComputerGangs(World& world, TurnNews* news) {
    // Only poaching and conquest move people or change their gang, and they keep the places up
    // to date.
    Places places(world);
    places.news = news;
    Commerce(world, places);
    Money(world, places);
    Recruit(world, places);
    Heal(world, places);
    Loyalty(world, places);
    // 살아있는 세계, 영입 먼저: the gangs lure before they train, so that a gang whose people all
    // want training still finds a recruiter; whoever lured has acted and does not train.
    if (world.options.living) {
        Scout(world, places);
        Morale(world, places);
    } else {
        Morale(world, places);
        Scout(world, places);
    }
    Attack(world, places);
}

}  // namespace golmok
