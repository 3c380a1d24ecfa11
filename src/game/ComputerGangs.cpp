#include "game/ComputerGangs.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "game/TurnNews.h"
#include "world/Numbers.h"

namespace golmok {

namespace {

// A name with a number made of its length and first bytes, so that most unequal names are told
// apart without comparing their texts. Short names are held whole by the number.
struct Name {
    explicit Name(const std::string& name) : text(&name) {
        std::memcpy(&key, name.data(), std::min<std::size_t>(name.size(), 7));
        key ^= static_cast<std::uint64_t>(name.size()) << 56;
    }
    bool operator==(const Name& other) const {
        return key == other.key && (text->size() <= 7 || *text == *other.text);
    }

    const std::string* text;
    std::uint64_t key = 0;
};

// A set of people, walked in ascending index order as every scan of the rules runs.
class PeopleSet {
  public:
    void Add(int h) { words_[h / 64] |= std::uint64_t{1} << (h % 64); }
    void Remove(int h) { words_[h / 64] &= ~(std::uint64_t{1} << (h % 64)); }
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

// Where everybody stands, as district indexes (-1 for no district), and who is a computer person.
// The rules find people by the names of their district and gang; looking each name up once per
// turn end keeps the scans cheap. The steps that move people or change their gang (poaching,
// conquest) keep it in step with HumanCity and HumanGroup.
struct Places {
    std::array<int, kHumanCount> city{};
    std::array<bool, kHumanCount> computer{};
    CityTable<PeopleSet> in{};  // the people standing in each district
    // Where the week's news is written, if anybody wants it; every step reaches it through here.
    TurnNews* news = nullptr;

    explicit Places(const World& w) {
        // The districts' names in a small hash table; a district listed earlier wins a clash, as
        // in a scan of the districts in order.
        constexpr std::size_t kSlots = 64;
        std::array<int, kSlots> slots;
        slots.fill(-1);
        std::vector<Name> cities;
        cities.reserve(kCityCount);
        auto home = [](const Name& name) {
            return static_cast<std::size_t>((name.key * 0x9E3779B97F4A7C15ULL) >> 58);
        };
        for (int c = 0; c < kCityCount; ++c) {
            cities.emplace_back(w.CityName[c]);
            std::size_t i = home(cities.back());
            while (slots[i] >= 0)
                i = (i + 1) % kSlots;
            slots[i] = c;
        }
        const Name player(w.PlayerGroupName);
        for (int h = 0; h < kHumanCount; ++h) {
            // A computer person: any gang but the player's.
            computer[h] = !(Name(w.HumanGroup[h]) == player);
            city[h] = -1;
            const Name place(w.HumanCity[h]);
            for (std::size_t i = home(place); slots[i] >= 0; i = (i + 1) % kSlots) {
                if (cities[slots[i]] == place) {
                    city[h] = slots[i];
                    in[slots[i]].Add(h);
                    break;
                }
            }
        }
    }

    void Move(World& w, int human, int to) {
        w.HumanCity[human] = w.CityName[to];
        if (city[human] >= 0) in[city[human]].Remove(human);
        in[to].Add(human);
        city[human] = to;
    }

    void Join(World& w, int human, const std::string& group) {
        w.HumanGroup[human] = group;
        computer[human] = w.IsComputerPerson(human);
    }

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
        if (auto group = w.GroupIndexOf(w.HumanGroup[collector])) w.GroupFame[*group] -= 1;
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
        int target = -1;
        for (int h : lurable) {
            if (places.city[h] != c) {
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
            // Rank, loyalty and members go with him; he may still act this turn.
            places.Move(w, target, c);
            places.Join(w, target, w.HumanGroup[recruiter]);
        }
    }
}

// Gives bosses their full loyalty back as RestoreBossLoyalty does, over the (person, gang) pairs
// whose names match, found once per attack step: names do not change while it runs.
class BossRestorer {
  public:
    explicit BossRestorer(const World& w) {
        std::vector<Name> bossNames;
        bossNames.reserve(kGroupCount);
        for (int g = 0; g < kGroupCount; ++g)
            bossNames.emplace_back(w.GroupBossName[g]);
        for (int h = 0; h < kHumanCount; ++h) {
            const Name name(w.HumanName[h]);
            for (int g = 0; g < kGroupCount; ++g) {
                if (name == bossNames[g]) bosses_.emplace_back(h, g);
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

int ChooseTarget(const World& w, int c, const Party& party) {
    // A gang allied with the player attacks nobody.
    if (auto owner = w.OwnerOf(c); owner && w.GroupAlly[*owner] == 1) return -1;
    for (int t = 0; t < kCityCount; ++t) {
        if ((!(party.n > w.CityHumanCount[t]) || !(party.strength > w.CityMemberTotal[t])) &&
            !StrongPartyMayAttack(w, party, t)) {
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

void Conquer(World& w, Places& places, const BossRestorer& bosses, const Party& party, int c, int t,
             const std::string& attackGroupName) {
    TurnEvent taken = MoveEvent(w, TurnEventKind::Taken, c, t);
    places.in[t].ForEach([&](int) {
        taken.fought = true;
        return false;
    });
    places.Record(taken);
    w.CityOwnerColor[t] = w.CityOwnerColor[c];
    // Everybody in the district and every fighter, in index order; a fighter who has just moved
    // in is not taken for a defender.
    (places.in[t] | party.fighters).ForEach([&](int h) {
        if (places.city[h] == t) {
            // Whoever is found there joins the winners, beaten.
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

void Attack(World& w, Places& places) {
    Recount(w, places);
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
    Morale(world, places);
    Scout(world, places);
    Attack(world, places);
}

}  // namespace golmok
