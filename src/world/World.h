// The whole game in one value: 194 people, 25 districts of Seoul, 7 gangs, the date, the player
// and the map's settings. What the command menu and its dialogs hold between clicks is kept beside
// it (MenuState), so two worlds compare equal exactly when they are the same game.
//
// The tables are parallel arrays named after their fields (`HumanLoyalty[h]`, `CityMoney[c]`), so
// that a rule reads the same in code as it does on paper. References between the tables are by
// name, as the record files and saved games hold them: a person's gang is a gang name, his place a
// district name, and a district's owner is a colour equal to the owning gang's colour.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace golmok {

inline constexpr int kHumanCount = 194;
inline constexpr int kCityCount = 25;
inline constexpr int kGroupCount = 7;

// 24-bit colour 0x00BBGGRR, blue in the high byte, as the map paints it.
using Color = std::uint32_t;

template <class T>
using HumanTable = std::array<T, kHumanCount>;
template <class T>
using CityTable = std::array<T, kCityCount>;
template <class T>
using GroupTable = std::array<T, kGroupCount>;

// Special texts the rules look for.
inline constexpr const char* kBossRank = "두목";
inline constexpr const char* kJoblessRank = "백수";  // a dismissed person
inline constexpr const char* kJoblessCity =
    "백수동네";  // where a dismissed person goes: no district
inline constexpr const char* kJoblessGroup = "백수파";  // the gang of a dismissed person: no gang
inline constexpr const char* kDefaultWeapon = "각목";

// The map's check items and the fight mode. They are settings of the player, not of one game: a
// loaded game and a new game keep them.
struct Options {
    bool notices = false;    // 알림상자: announce every change of the district panel
    bool healthBars = true;  // 체력막대바: health bars on the fight field
    bool music = true;       // 배경음악
    // 자동저장: the game is saved into autosave.sav after every turn end. The windows turn it on
    // at start-up; the console leaves it off until a script asks, so that scripts write nothing
    // unasked.
    bool autosave = false;
    // 이번 주 소식: the windows show what the computer gangs did after every turn end.
    bool news = true;
    // Rules the player may switch on; off, the computer gangs play as they always have.
    bool truce = false;  // 초반 휴전: no computer attack on the player in the first four weeks
    bool strongGangs = false;  // 강한 조직: a full party may fall upon a district of five or more
    // 다음 주 예상: the map shows what the next turn end would do if the player did nothing more.
    // Only looking: it changes no rule.
    bool preview = false;
    // 살아있는 세계: a lured person stays loyal, the computer gangs lure before they train, make
    // a month-end push on one another, the beaten flee to their own gang and a gang with no
    // district rises again where its boss stands.
    bool living = false;
    bool operator==(const Options&) const = default;
};

// Where the computer gangs' turn end finds everybody, kept from one turn end to the next: each
// person's district and gang as indexes (-1 for none) and the people who bear a boss's name, with
// the names they were found from. It is derived from the world and never part of a game: it is
// not saved, two worlds compare equal whatever it holds, and the turn end checks it against the
// names before trusting it, so a new or loaded world, and anybody moved by a command or a fight,
// are followed.
struct TurnIndex {
    bool built = false;
    std::array<std::int16_t, kHumanCount> city{};
    std::array<std::int16_t, kHumanCount> gang{};
    std::vector<std::pair<int, int>> bosses;  // (person, gang) whose names match
    // The names the indexes were found from.
    std::array<std::string, kCityCount> cityNames{};
    std::array<std::string, kGroupCount> gangNames{};
    std::array<std::string, kGroupCount> bossNames{};
    std::array<std::string, kHumanCount> humanNames{};

    bool operator==(const TurnIndex&) const { return true; }
};

// How fights are fought: turn by turn, or on a clock (실시간).
enum class BattleMode { Turn, Real };
// "Turn" or "Real", as the console prints it.
const char* BattleModeName(BattleMode mode);

struct World {
    // --- People -----------------------------------------------------------------------------
    HumanTable<std::string> HumanName{};
    HumanTable<std::string> HumanGroup{};  // a GroupName
    HumanTable<std::string> HumanRank{};
    HumanTable<std::string> HumanCity{};  // a CityName, or a name of no district
    HumanTable<double> HumanLoyalty{};
    HumanTable<double> HumanAttack{};
    HumanTable<double> HumanDefence{};
    HumanTable<double> HumanCharm{};
    HumanTable<double> HumanAgility{};
    HumanTable<double> HumanStamina{};
    HumanTable<double> HumanIntelligence{};
    HumanTable<double> HumanLeadership{};
    HumanTable<double> HumanMembers{};
    HumanTable<double> HumanMorale{};
    HumanTable<bool> HumanCanAct{};
    HumanTable<std::string> HumanWeapon{};
    HumanTable<bool> HumanInAttackParty{};
    HumanTable<bool> HumanInDefenceParty{};

    // --- Districts --------------------------------------------------------------------------
    CityTable<std::string> CityName{};
    CityTable<Color> CityOwnerColor{};
    CityTable<double> CityPopulation{};
    CityTable<double> CityCommerce{};
    CityTable<double> CityMoney{};
    CityTable<double> CityStick{};
    CityTable<double> CityKnife{};
    CityTable<double> CitySword{};
    CityTable<double> CityHumanCount{};  // tallies as last computed by RecountCities
    CityTable<double> CityMemberTotal{};

    // --- Gangs ------------------------------------------------------------------------------
    GroupTable<std::string> GroupName{};
    GroupTable<Color> GroupColor{};
    GroupTable<std::string> GroupBossName{};
    GroupTable<double> GroupFame{};
    GroupTable<double> GroupAlly{};  // 1 while allied with the player
    GroupTable<double> GroupHostility{};

    // --- Game-wide values -------------------------------------------------------------------
    int Year = 1930;
    int Month = 1;
    int Week = 1;
    ::golmok::BattleMode BattleMode = ::golmok::BattleMode::Turn;
    int PlayerGroupIndex = 0;
    std::string PlayerGroupName = "거지파";
    Color PlayerColor = 33023;
    int AttackFromCity = -1;  // a computer gang attacks the player from here at this turn end
    int AttackToCity = -1;

    // The map is frozen while a fight is set up or fought: no district button, no 턴, 옵션, 기능
    // or 도움말 menu.
    bool MapLocked = false;
    // A turn end announced an attack on the player: the defence set-up is on screen (it cannot be
    // cancelled) until the player sends fighters out.
    bool DefenceSetupOpen = false;

    Options options;

    // Kept by the computer gangs' turn end for itself; see TurnIndex.
    TurnIndex turnIndex;

    bool operator==(const World&) const = default;

    // --- Queries ----------------------------------------------------------------------------
    // The gang whose colour the district shows; none if no colour matches.
    std::optional<int> OwnerOf(int city) const;
    bool IsPlayerCity(int city) const { return CityOwnerColor[city] == PlayerColor; }
    std::optional<int> CityIndexOf(const std::string& name) const;
    std::optional<int> GroupIndexOf(const std::string& name) const;
    std::optional<int> HumanIndexOf(const std::string& name) const;
    bool IsIn(int human, int city) const { return HumanCity[human] == CityName[city]; }
    std::vector<int> HumansIn(int city) const;        // ascending
    std::vector<int> ActiveHumansIn(int city) const;  // those of HumansIn who may still act
    // A person of any gang but the player's (those of no gang included).
    bool IsComputerPerson(int human) const { return HumanGroup[human] != PlayerGroupName; }
    // Full stamina: Int((attack + defence) / 2).
    double FullStamina(int human) const;

    // The district takes the gang's colour (the map repaints its button from it).
    void SetOwner(int city, int group) { CityOwnerColor[city] = GroupColor[group]; }
};

}  // namespace golmok
