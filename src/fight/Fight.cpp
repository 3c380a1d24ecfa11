#include "fight/Fight.h"

#include <algorithm>
#include <cstdlib>

#include "world/SharedRoutines.h"
#include "world/Numbers.h"

namespace golmok {

namespace {

void Append(std::vector<std::string>& to, std::vector<std::string> from) {
    for (std::string& text : from)
        to.push_back(std::move(text));
}

void HidePlayerWeapons(Fight& fight) {
    for (WeaponPiece& weapon : fight.playerWeapons)
        weapon.visible = false;
}

void StepBy(Position& position, FightKey key) {
    switch (key) {
        case FightKey::Left:
            position.x -= kCell;
            break;
        case FightKey::Right:
            position.x += kCell;
            break;
        case FightKey::Up:
            position.y -= kCell;
            break;
        case FightKey::Down:
            position.y += kCell;
            break;
        default:
            break;
    }
}

bool OnBoard(const Position& p) {
    return p.x >= 0 && p.x <= kBoardEdge && p.y >= 0 && p.y <= kBoardEdge;
}

// The highest present slot, or -1.
int LastPresent(const std::array<Fighter, kSlotCount>& side) {
    for (int i = kSlotCount - 1; i >= 0; --i) {
        if (side[i].present) return i;
    }
    return -1;
}

int FirstPresent(const std::array<Fighter, kSlotCount>& side) {
    for (int i = 0; i < kSlotCount; ++i) {
        if (side[i].present) return i;
    }
    return -1;
}

// The next present slot after `slot`, wrapping round over 0..last.
int NextPresent(const std::array<Fighter, kSlotCount>& side, int slot, int last) {
    int c = slot;
    for (int n = 0; n <= last; ++n) {
        c = c == last ? 0 : c + 1;
        if (side[c].present) return c;
    }
    return -1;
}

// The nearest present fighter of `side` to `from` (|dx| + |dy|); the lower slot wins a tie.
int Nearest(const std::array<Fighter, kSlotCount>& side, const Position& from) {
    int best = -1;
    int bestDistance = 0;
    for (int i = 0; i < kSlotCount; ++i) {
        if (!side[i].present) continue;
        const int distance =
            std::abs(from.y - side[i].shown.y) + std::abs(from.x - side[i].shown.x);
        if (best < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

bool Adjacent(const Position& a, const Position& b) {
    return std::abs(a.x - b.x) <= kCell && std::abs(a.y - b.y) <= kCell;
}

// One blow on the fighter in `slot` of the player's side or the computer's: the world loses the
// damage twice over, and the fight keeps the blow for the field to show.
void Hurt(World& world, Fight& fight, bool playerSide, int slot, double damage) {
    const Fighter& target = (playerSide ? fight.player : fight.enemy)[slot];
    world.HumanStamina[target.human] -= damage;
    world.HumanMembers[target.human] -= damage;
    if (fight.strikes.size() >= kStrikesKept) fight.strikes.erase(fight.strikes.begin());
    fight.strikes.push_back(Strike{playerSide, slot, target.shown, damage});
}

// The four step attempts toward `target`: first the horizontal gap, then the vertical one, each
// checked by `check`; the first allowed one is shown. A fighter whose every attempt is refused
// stays where he stood, and nothing later in the event may move him to a cell he tried.
template <class Check>
bool StepToward(const World& world, Fight& fight, Fighter& mover, const Position& target,
                Check check) {
    const Position from = mover.shown;
    const int dx[] = {target.x > from.x ? kCell : 0, target.x < from.x ? -kCell : 0, 0, 0};
    const int dy[] = {0, 0, target.y > from.y ? kCell : 0, target.y < from.y ? -kCell : 0};
    bool tried = false;
    for (int attempt = 0; attempt < 4; ++attempt) {
        if (dx[attempt] == 0 && dy[attempt] == 0) continue;
        if (tried) TAGXY(fight);
        tried = true;
        mover.pending.x += dx[attempt];
        mover.pending.y += dy[attempt];
        if (check(fight)) {
            TopXy(world, fight);
            return true;
        }
    }
    TAGXY(fight);
    return false;
}

// After the result: who joins whom, who stands where, morale and loyalty, the owner.
void ApplyResult(World& world, Fight& fight, bool won) {
    const bool attacking = fight.side == FightSide::Attack;
    // The player's own fighters are the attack party on the attacking field.
    const HumanTable<bool>& playerFlags =
        attacking ? world.HumanInAttackParty : world.HumanInDefenceParty;
    const HumanTable<bool>& enemyFlags =
        attacking ? world.HumanInDefenceParty : world.HumanInAttackParty;
    if (!won && !attacking) world.CityOwnerColor[fight.city] = world.CityOwnerColor[fight.fromCity];
    UnlockMap(world);
    for (int h = 0; h < kHumanCount; ++h) {
        if (!won && playerFlags[h]) {
            // The beaten go over to the other gang.
            world.HumanGroup[h] = fight.enemyGroupName;
            world.HumanMorale[h] -= 10;
        }
        if (won && enemyFlags[h]) {
            world.HumanMorale[h] -= 10;
            world.HumanGroup[h] = fight.playerGroupName;
        }
        if (world.HumanInAttackParty[h] || world.HumanInDefenceParty[h]) {
            world.HumanCity[h] = fight.cityName;
        }
    }
    if (won && attacking) world.CityOwnerColor[fight.city] = world.PlayerColor;
    bool anyoneThere = false;
    for (int h = 0; h < kHumanCount; ++h) {
        if (world.HumanCity[h] == fight.cityName) {
            world.HumanLoyalty[h] -= 20;
            anyoneThere = true;
        }
    }
    if (attacking && anyoneThere) RestoreBossLoyalty(world);
    fight.FightRelease = true;
    // The defending field gives everybody his action back as it closes.
    if (!attacking) world.HumanCanAct.fill(true);
}

// BAI: the player's strike. It lands on the computer fighter standing under the aim marker, if
// any, with the active fighter's weapon; a strike at an empty cell changes nothing.
void BAI(World& world, Fight& fight) {
    const int striker = fight.player[fight.PlayerTurnSlot].human;
    if (striker < 0) return;
    const Position aim = fight.playerWeapons[fight.AimWeapon].shown;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const Fighter& enemy = fight.enemy[slot];
        if (enemy.present && enemy.shown == aim) {
            const double damage =
                StrikeDamage(world, striker, WeaponPower(WeaponIndex(world.HumanWeapon[striker])));
            Hurt(world, fight, false, slot, damage);
        }
    }
}

// Whether a fighter still standing on either side would take anything with a strike.
bool AnyoneCanHurt(const World& world, const Fight& fight) {
    for (const auto* side : {&fight.player, &fight.enemy}) {
        for (const Fighter& f : *side) {
            if (!f.present) continue;
            const double power = WeaponPower(WeaponIndex(world.HumanWeapon[f.human]));
            if (StrikeDamage(world, f.human, power) > 0) return true;
        }
    }
    return false;
}

}  // namespace

int WeaponIndex(const std::string& weapon) {
    for (int w = 0; w < kWeaponCount; ++w) {
        if (weapon == kWeaponNames[w]) return w;
    }
    return 0;
}

double WeaponPower(int weaponIndex) {
    return 70 + 10 * weaponIndex;
}

double StrikeDamage(const World& world, int striker, double power) {
    const double base = (world.HumanAttack[striker] + world.HumanDefence[striker] +
                         world.HumanAgility[striker] + world.HumanMorale[striker] + power) /
                        5;
    // A fighter whose members have run out below zero still strikes once before the pass that
    // takes him off the board; that blow must not heal the man it hits.
    return std::max(0.0, Int(base * (world.HumanMembers[striker] / 1000)));
}

void TAGXY(Fight& fight) {
    for (int i = 0; i < kSlotCount; ++i) {
        fight.player[i].pending = fight.player[i].shown;
        fight.enemy[i].pending = fight.enemy[i].shown;
    }
    for (WeaponPiece& weapon : fight.playerWeapons)
        weapon.pending = weapon.shown;
}

void TopXy(const World& world, Fight& fight) {
    if (!world.MapLocked) return;
    for (int i = 0; i < kSlotCount; ++i) {
        fight.player[i].shown = fight.player[i].pending;
        fight.enemy[i].shown = fight.enemy[i].pending;
    }
    for (WeaponPiece& weapon : fight.playerWeapons)
        weapon.shown = weapon.pending;
}

bool YAI(const Fight& fight) {
    for (int i = 0; i < kSlotCount; ++i) {
        const Fighter& me = fight.player[i];
        if (!me.present) continue;
        if (!OnBoard(me.pending)) return false;
        for (int j = 0; j < kSlotCount; ++j) {
            if (j != i && fight.player[j].present && me.pending == fight.player[j].shown) {
                return false;
            }
            if (fight.enemy[j].present && me.pending == fight.enemy[j].shown) return false;
        }
    }
    return true;
}

bool CAI(const Fight& fight) {
    for (int i = 0; i < kSlotCount; ++i) {
        const Fighter& me = fight.enemy[i];
        if (!me.present) continue;
        for (int j = 0; j < kSlotCount; ++j) {
            if (fight.player[j].present && me.pending == fight.player[j].shown) return false;
            if (j != i && fight.enemy[j].present && me.pending == fight.enemy[j].shown) {
                return false;
            }
        }
    }
    return true;
}

bool AAI(const Fight& fight) {
    const Fighter& me = fight.player[fight.PlayerTurnSlot];
    if (!me.present) return true;
    const Position& aim = fight.playerWeapons[fight.AimWeapon].pending;
    return std::abs(aim.y - me.shown.y) <= kCell && std::abs(aim.x - me.shown.x) <= kCell;
}

void AttackTurnBox(const World& world, Fight& fight, bool allowed) {
    if (allowed) TopXy(world, fight);
}

std::vector<std::string> MoveTurnBox(World& world, Fight& fight, bool moved) {
    if (!moved && !fight.FightRelease) return {};
    const int last = LastPresent(fight.player);
    if (last < 0) return {};  // nobody left: the next pass decides the fight
    if (fight.PlayerTurnSlot > last) {
        // The active fighter died at the end of the line: the first one takes over, unanswered.
        fight.PlayerTurnSlot = FirstPresent(fight.player);
        HidePlayerWeapons(fight);
        return {};
    }
    const int next = NextPresent(fight.player, fight.PlayerTurnSlot, last);
    if (next < 0) return {};
    TopXy(world, fight);
    HidePlayerWeapons(fight);
    fight.PlayerTurnSlot = next;
    if (!fight.realTime) return ComputerAct(world, fight);
    return {};
}

std::vector<std::string> PressKey(World& world, Fight& fight, FightKey key) {
    std::vector<std::string> messages;
    if (fight.over() || fight.autoBattle) return messages;
    TAGXY(fight);
    if (fight.side == FightSide::Attack && key == FightKey::Esc) {
        fight.Aiming = false;
        HidePlayerWeapons(fight);
    }
    Fighter& active = fight.player[fight.PlayerTurnSlot];
    if (key == FightKey::A) {
        fight.Aiming = true;
        fight.AimWeapon = active.human >= 0 ? WeaponIndex(world.HumanWeapon[active.human]) : 0;
        WeaponPiece& weapon = fight.playerWeapons[fight.AimWeapon];
        weapon.shown = active.shown;
        weapon.pending = active.pending;
        weapon.visible = true;
    }
    if (!fight.Aiming) {
        StepBy(active.pending, key);
        Append(messages, MoveTurnBox(world, fight, YAI(fight)));
        return messages;
    }
    if (key == FightKey::Enter) {
        BAI(world, fight);
        // Nobody has moved, so the turn always passes, hit or miss; the computer answers before
        // the strike's own death pass.
        Append(messages, MoveTurnBox(world, fight, YAI(fight)));
        fight.Aiming = false;
        HidePlayerWeapons(fight);
        Append(messages, DeathPass(world, fight));
    }
    StepBy(fight.playerWeapons[fight.AimWeapon].pending, key);
    AttackTurnBox(world, fight, AAI(fight));
    return messages;
}

std::vector<std::string> ComputerAct(World& world, Fight& fight) {
    std::vector<std::string> messages;
    if (fight.over()) return messages;
    TAGXY(fight);
    Fighter& me = fight.enemy[fight.EnemyTurnSlot];
    const int target = me.present ? Nearest(fight.player, me.shown) : -1;
    if (target >= 0) {
        const Fighter& enemy = fight.player[target];
        if (Adjacent(enemy.shown, me.shown)) {
            const int w = WeaponIndex(world.HumanWeapon[me.human]);
            fight.enemyWeapons[w].shown = enemy.shown;
            fight.enemyWeapons[w].visible = true;
            fight.enemyWeaponClock = true;
            Hurt(world, fight, true, target, StrikeDamage(world, me.human, WeaponPower(w)));
            Append(messages, DeathPass(world, fight));
        } else {
            StepToward(world, fight, me, enemy.shown, CAI);
        }
    }
    const int last = LastPresent(fight.enemy);
    if (last >= 0) {
        if (fight.EnemyTurnSlot > last) {
            fight.EnemyTurnSlot = FirstPresent(fight.enemy);
        } else {
            const int next = NextPresent(fight.enemy, fight.EnemyTurnSlot, last);
            if (next >= 0) fight.EnemyTurnSlot = next;
        }
    }
    return messages;
}

std::vector<Strike> TakeStrikes(Fight& fight) {
    std::vector<Strike> taken;
    taken.swap(fight.strikes);
    return taken;
}

void HideEnemyWeapons(Fight& fight) {
    for (WeaponPiece& weapon : fight.enemyWeapons)
        weapon.visible = false;
    fight.enemyWeaponClock = false;
}

std::vector<std::string> DeathPass(World& world, Fight& fight) {
    std::vector<std::string> messages;
    if (fight.over()) return messages;
    bool playerPresent = false;
    bool computerPresent = false;
    for (int i = 0; i < kSlotCount; ++i) {
        for (bool playerSide : {true, false}) {
            Fighter& f = playerSide ? fight.player[i] : fight.enemy[i];
            if (!f.present) continue;
            (playerSide ? playerPresent : computerPresent) = true;
            const int h = f.human;
            if (world.HumanStamina[h] <= 0 || world.HumanMembers[h] <= 0) {
                world.HumanStamina[h] = 0;
                world.HumanMembers[h] = 0;
                f.present = false;
                if (playerSide && i == fight.PlayerTurnSlot) {
                    // The turn moves on without a move; in a turn-based fight the computer
                    // answers it, and that answer may already decide the fight.
                    fight.FightRelease = true;
                    Append(messages, MoveTurnBox(world, fight, false));
                    fight.FightRelease = false;
                    if (fight.over()) {
                        fight.FightRelease = true;
                        return messages;
                    }
                }
                f.bar.visible = false;
            } else if (world.options.healthBars) {
                f.bar.value = Int((world.HumanStamina[h] + world.HumanMembers[h]) / 2);
            }
        }
    }
    // A side that had a fighter standing when the pass reached him still counts: the fight is
    // decided by the pass after its last death.
    if (!playerPresent) {
        fight.result = FightResult::Lost;
        messages.push_back(kFightLost);
        ApplyResult(world, fight, false);
    } else if (!computerPresent) {
        fight.result = FightResult::Won;
        messages.push_back(kFightWon);
        ApplyResult(world, fight, true);
    } else if (FirstPresent(fight.player) >= 0 && FirstPresent(fight.enemy) >= 0 &&
               !AnyoneCanHurt(world, fight)) {
        // Members only ever fall, so such a fight would run for ever and keep the map locked:
        // it ends with nobody changing sides and the district keeping its owner. A side whose
        // last fighter has just fallen is not part of it: the next pass decides the fight.
        fight.result = FightResult::Drawn;
        messages.push_back(kFightDrawn);
        UnlockMap(world);
        fight.FightRelease = true;
        if (fight.side == FightSide::Defence) world.HumanCanAct.fill(true);
    }
    return messages;
}

std::vector<std::string> SettleDeaths(World& world, Fight& fight) {
    const auto standing = [&fight] {
        int n = 0;
        for (const auto* side : {&fight.player, &fight.enemy}) {
            n += static_cast<int>(std::count_if(side->begin(), side->end(),
                                                [](const Fighter& f) { return f.present; }));
        }
        return n;
    };
    std::vector<std::string> messages;
    // Every pass that changes nothing ends it; each other one takes a piece off, so at most eleven.
    for (int before = -1; !fight.over() && standing() != before;) {
        before = standing();
        Append(messages, DeathPass(world, fight));
    }
    return messages;
}

std::vector<std::string> AutoAct(World& world, Fight& fight) {
    std::vector<std::string> messages;
    if (fight.over()) return messages;
    TAGXY(fight);
    fight.Aiming = false;
    HidePlayerWeapons(fight);
    Fighter& me = fight.player[fight.PlayerTurnSlot];
    const int target = me.present ? Nearest(fight.enemy, me.shown) : -1;
    bool passed = false;
    if (target >= 0) {
        const Fighter& enemy = fight.enemy[target];
        if (Adjacent(enemy.shown, me.shown)) {
            const int w = WeaponIndex(world.HumanWeapon[me.human]);
            Hurt(world, fight, false, target, StrikeDamage(world, me.human, WeaponPower(w)));
            Append(messages, MoveTurnBox(world, fight, YAI(fight)));
            Append(messages, DeathPass(world, fight));
            return messages;
        }
        if (StepToward(world, fight, me, enemy.shown, YAI)) {
            Append(messages, MoveTurnBox(world, fight, true));
            passed = true;
        }
    }
    if (!passed) {
        // Boxed in, he waits and the turn moves on.
        fight.FightRelease = true;
        Append(messages, MoveTurnBox(world, fight, false));
        fight.FightRelease = false;
    }
    return messages;
}

std::vector<std::string> AutoRound(World& world, Fight& fight) {
    std::vector<std::string> messages;
    if (fight.over()) return messages;
    Append(messages, AutoAct(world, fight));
    Append(messages, DeathPass(world, fight));
    if (fight.realTime) {
        Append(messages, ComputerAct(world, fight));
        Append(messages, DeathPass(world, fight));
    }
    return messages;
}

void HandOver(Fight& fight) {
    fight.autoBattle = true;
    fight.Aiming = false;
}

std::vector<std::string> AutoStep(World& world, Fight& fight) {
    std::vector<std::string> messages = AutoRound(world, fight);
    if (!fight.over()) Append(messages, SettleDeaths(world, fight));
    return messages;
}

std::vector<std::string> PlayOutFight(World& world, Fight& fight, int maxSteps) {
    std::vector<std::string> messages;
    HandOver(fight);
    for (int n = 0; n < maxSteps && !fight.over(); ++n) {
        Append(messages, AutoStep(world, fight));
        HideEnemyWeapons(fight);
    }
    return messages;
}

int AutoRoundsLeft(World world, Fight fight, int maxSteps) {
    HandOver(fight);
    int steps = 0;
    while (steps < maxSteps && !fight.over()) {
        AutoStep(world, fight);
        ++steps;
    }
    return steps;
}

}  // namespace golmok
