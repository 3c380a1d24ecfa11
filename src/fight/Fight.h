// One fight (맞짱) on its 10 × 10 board: the two parties, where their pieces stand, whose turn it
// is, the aim of the player's weapon, and the steps the field's clocks perform. The fighters'
// stamina and members are the world's; everything else of a running fight lives here, so the
// windows and the console only draw this and feed it keys and clock ticks.
//
// The field's clocks belong to the view. It schedules the steps offered here: `ComputerAct` every
// 200 ms in a real-time fight, `HideEnemyWeapons` 100 ms after a computer strike, and `DeathPass`
// right after every event. Nothing here sleeps or waits.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "world/World.h"

namespace golmok {

inline constexpr int kSlotCount = 5;
inline constexpr int kWeaponCount = 4;
inline constexpr int kCell = 480;        // twips a cell
inline constexpr int kBoardEdge = 4320;  // the last cell's x or y
inline constexpr const char* kFist = "주먹";

// The four weapons by `WeaponIndex`: 주먹, 각목, 사시미, 진검.
inline constexpr std::array<const char*, kWeaponCount> kWeaponNames = {"주먹", "각목", "사시미",
                                                                       "진검"};

// 0..3 for the four weapons; a text that names none of them fights bare-handed.
int WeaponIndex(const std::string& weapon);
// 70, 80, 90, 100.
double WeaponPower(int weaponIndex);
// What one strike of `striker` with a weapon of `power` takes from the target's stamina and from
// his members: Int((attack + defence + agility + morale + power) / 5 × members / 1000), never
// below 0.
double StrikeDamage(const World& world, int striker, double power);

// The keys of the field, by their virtual key codes. Any other code is a key the field has no
// use for (it passes the turn while moving and does nothing while aiming), so a FightKey may hold
// any code, not only the named ones.
enum class FightKey : int {
    Enter = 13,
    Esc = 27,
    Left = 37,
    Up = 38,
    Right = 39,
    Down = 40,
    A = 65
};

inline constexpr const char* kFightWon = "싸움에서 이겼습니다.";
inline constexpr const char* kFightLost = "싸움에서 졌습니다.";
inline constexpr const char* kFightDrawn = "아무도 상대를 다치게 할 수 없어 싸움이 끝났습니다.";

struct Position {
    int x = 0;
    int y = 0;
    bool operator==(const Position&) const = default;
};

struct HealthBar {
    bool visible = false;
    double maximum = 0;
    double value = 0;
    bool operator==(const HealthBar&) const = default;
};

// A fighter's piece. An empty slot (human -1) is never present; a fighter who dies is absent for
// the rest of the fight.
struct Fighter {
    int human = -1;
    bool present = false;
    Position shown;
    Position pending;  // where a move would put him; only an accepted move is shown
    HealthBar bar;
    std::string gang;  // the gang he fought for, as the fight began
    // He went out with no members or no stamina left: the opening pass takes him off the board
    // before anybody could see him or strike a blow.
    bool unfit = false;
    bool operator==(const Fighter&) const = default;
};

struct WeaponPiece {
    bool visible = false;
    Position shown;
    Position pending;
    bool operator==(const WeaponPiece&) const = default;
};

// A blow that landed on a fighter: whom it struck (his side and slot), the cell he stood on, and
// what it took from his stamina and, as much again, from his members. A strike at an empty cell
// lands on nobody and leaves none.
struct Strike {
    bool playerSide = false;  // the struck fighter is one of the player's
    int slot = 0;
    Position at;
    double damage = 0;
    bool operator==(const Strike&) const = default;
};

// A front end that never takes the blows (the console) finds only the latest ones kept.
inline constexpr std::size_t kStrikesKept = 64;

// Which field: the player attacks a district (AttackGround) or defends one (DefenceGround).
enum class FightSide { Attack, Defence };
// Drawn: nobody left standing can hurt anybody (damage rounds down to 0 for small crews), so the
// fight could never end; it is called off without a winner.
enum class FightResult { Running, Won, Lost, Drawn };

struct Fight {
    FightSide side = FightSide::Attack;
    bool realTime = false;  // "Real": the computer acts on its own clock; "Turn": it answers
    std::array<Fighter, kSlotCount> player{};               // PlayerParty: always on top
    std::array<Fighter, kSlotCount> enemy{};                // EnemyParty: always at the bottom
    std::array<WeaponPiece, kWeaponCount> playerWeapons{};  // the aim marker, by WeaponIndex
    std::array<WeaponPiece, kWeaponCount> enemyWeapons{};   // where the computer just struck
    bool enemyWeaponClock = false;  // a computer weapon is showing: hide it 100 ms from now

    int PlayerTurnSlot = 0;  // the player's fighter whose turn it is
    int EnemyTurnSlot = 0;   // the computer's fighter that acts next
    bool Aiming = false;     // the player is aiming his weapon instead of moving
    int AimWeapon = 0;       // WeaponIndex of the aim marker in use
    // Lets the player's turn pass without a move (a dead fighter's turn), and once the result is
    // in, lets the field close.
    bool FightRelease = false;

    // What the field's labels show and the result reads back: the fought-over district, the
    // player's gang and the computer's gang, as names.
    std::string cityName;
    std::string playerGroupName;
    std::string enemyGroupName;
    int city = -1;      // the fought-over district
    int fromCity = -1;  // the attacking district, on the defending field

    // The player has handed his side over: it fights by itself with the computer fighters' rule
    // (`AutoAct`, scheduled by the view once a player turn) and keys are not heeded.
    bool autoBattle = false;

    FightResult result = FightResult::Running;

    // The blows struck since the field last took them, oldest first, so that it can show the
    // damage where each one landed. No rule reads them.
    std::vector<Strike> strikes;

    bool over() const { return result != FightResult::Running; }
    bool operator==(const Fight&) const = default;
};

// --- The board's procedures ---------------------------------------------------------------
// The field's own short names for its procedures are kept, each with what it does.
// TAGXY: pending := shown for every fighter and every aim marker (forget a refused move).
void TAGXY(Fight& fight);
// TopXy: shown := pending; only while the map is locked, that is while the fight runs.
void TopXy(const World& world, Fight& fight);
// The checks of the pending positions; each answers whether they are allowed.
// YAI: the player's fighters stay on the board and step onto nobody.
bool YAI(const Fight& fight);
// CAI: the computer's fighters step onto nobody (they only walk toward an enemy: no edge check).
bool CAI(const Fight& fight);
// AAI: the aim marker stays within one cell of the active fighter.
bool AAI(const Fight& fight);
// AttackTurnBox: shows the aim marker where it was moved, when `allowed` (the verdict of AAI).
void AttackTurnBox(const World& world, Fight& fight, bool allowed);
// MoveTurnBox: passes the player's turn to his next present fighter, when `moved` (the verdict of
// YAI) or when FightRelease lets a turn pass without a move. In a turn-based fight every passed
// turn is answered by one computer action. Returns the messages of what followed (a result).
std::vector<std::string> MoveTurnBox(World& world, Fight& fight, bool moved);

// --- The events -----------------------------------------------------------------------------
// A key press on the field; none is heeded while the side fights by itself.
std::vector<std::string> PressKey(World& world, Fight& fight, FightKey key);
// One computer action (a tick of Timer2): the computer fighter whose turn it is strikes his
// nearest enemy if he stands next to him, else steps toward him; then the next computer fighter
// has the turn.
std::vector<std::string> ComputerAct(World& world, Fight& fight);
// The computer's weapon piece disappears again (a tick of Timer3).
void HideEnemyWeapons(Fight& fight);
// The death and result pass (a tick of Timer4): marks the dead, and on the pass after the last
// death of a side decides the fight and applies its result to the world, once. Returns the
// result's message.
std::vector<std::string> DeathPass(World& world, Fight& fight);
// The passes the field's 1 ms clock runs before the next event can arrive: one, and another after
// each pass that took somebody off the board, until a pass takes nobody or decides the fight. So
// a side whose last fighter falls in a pass of its own (one sent out with no members) loses
// at once instead of waiting for a key.
std::vector<std::string> SettleDeaths(World& world, Fight& fight);

// The blows struck since the last call, oldest first; the fight forgets them.
std::vector<Strike> TakeStrikes(Fight& fight);

// --- Auto-battle ------------------------------------------------------------------------------
// One turn of the player's active fighter by the computer fighters' rule: strike the nearest
// enemy if he stands next to him, else step toward him (a fighter boxed in waits); the turn then
// passes as after a key.
std::vector<std::string> AutoAct(World& world, Fight& fight);
// One round of a fight fought by itself: the player's side takes its turn, then the death pass;
// in a real-time fight the computer's clock answers at once, then the pass again. (In a
// turn-based fight the computer answers every passed turn anyway.) Keeping both sides in step
// makes the course of the fight the same at any pace the view plays it.
std::vector<std::string> AutoRound(World& world, Fight& fight);

// 자동 싸움 (F2) is switched on: the aim is put away and the player's side fights by itself. From
// here on the computer's own clock rests; both sides move in the steps below.
void HandOver(Fight& fight);
// One step of a fight fought by itself, the only order in which the windows and the console play
// it: one round (`AutoRound`), then the death and result passes the 1 ms clock runs before the
// next event (`SettleDeaths`). The windows run one step a tick of their pace; a faster pace runs
// several steps a tick, never anything between them. Returns the messages (a result's).
std::vector<std::string> AutoStep(World& world, Fight& fight);
// Steps enough for any fight: members only fall, and a fight where nobody can hurt anybody any
// more is called off at its next pass.
inline constexpr int kAutoStepsMax = 10000;
// Hands the player's side over and plays the fight out, step by step, at most `maxSteps` steps.
// Returns the messages (the result's).
std::vector<std::string> PlayOutFight(World& world, Fight& fight, int maxSteps = kAutoStepsMax);
// How many steps the fight still takes when it is fought by itself from here, at most
// `maxSteps`: played out on copies, so that the view can set a pace that ends it in time.
int AutoRoundsLeft(World world, Fight fight, int maxSteps = kAutoStepsMax);

}  // namespace golmok
