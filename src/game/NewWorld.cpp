#include "game/NewWorld.h"

#include "world/SharedRoutines.h"
#include "world/RecordFiles.h"
#include "world/SavedGames.h"
#include "world/Tables.h"

namespace golmok {

void DeriveHumanFields(World& world, int human) {
    world.HumanLoyalty[human] = 100;
    world.HumanMorale[human] = 100;
    world.HumanStamina[human] = world.FullStamina(human);
    world.HumanMembers[human] = world.HumanLeadership[human];
}

void ChooseGroup(World& world, int group) {
    world.PlayerGroupName = kGroups[group].name;
    world.PlayerColor = kGroups[group].color;
    world.PlayerGroupIndex = group;
}

namespace {

void Load(const std::filesystem::path& folder, const char* name, World& world) {
    LoadRecordFile(folder, RecordFileNamed(name), world);
}

// The group selection writes the gang table's names and the map shows its districts, so the files
// must name them in the same order.
template <class Table, class Names>
void ExpectNames(const char* file, const Table& table, const Names& names) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (names[i] != table[i].name) {
            throw RecordFileError(file, "기록 " + std::to_string(i) + "은(는) '" + names[i] +
                                            "'입니다 ('" + table[i].name + "' 필요)");
        }
    }
}

// The record files a saved field of a new world comes from; empty for the fields every new world
// sets alike.
const char* SourceFile(const SavedField& field) {
    static constexpr const char* kHumanSources[kHumanFieldCount] = {
        "", "hg.dat", "hj.dat", "hap.dat, hdp.dat", "hcity.dat", "hc.dat", "", ""};
    static constexpr const char* kGroupSources[kGroupFieldCount] = {"gf.dat", "", ""};
    static constexpr const char* kCitySources[kCityFieldCount] = {"ch.dat", "ct.dat", "cm.dat", "",
                                                                  "",       "",       ""};
    switch (field.block) {
        case SavedBlock::Humans:
            return kHumanSources[field.field];
        case SavedBlock::Groups:
            return kGroupSources[field.field];
        case SavedBlock::Cities:
            return kCitySources[field.field];
        case SavedBlock::Game:
            break;
    }
    return "";
}

// A world the game could not save would fail the player at his first save: it is refused at
// start-up, naming the file and the record it came from.
void ExpectSavable(const World& world) {
    const std::optional<SavedFieldProblem> problem = CheckSavedFields(world);
    if (!problem) return;
    const std::string file = SourceFile(problem->field);
    throw RecordFileError(file.empty() ? "기록 파일" : file,
                          "기록 " + std::to_string(problem->field.row) + ": " + problem->why);
}

}  // namespace

World BuildStartWorld(const std::filesystem::path& folder, std::string& error) {
    try {
        return BuildNewWorld(folder);
    } catch (const std::exception& failure) {
        error = failure.what();
    } catch (...) {
        error = "기록 파일을 읽지 못했습니다";
    }
    return World{};
}

World BuildNewWorld(const std::filesystem::path& folder) {
    World world;
    world.BattleMode = BattleMode::Turn;
    world.HumanWeapon.fill(kDefaultWeapon);
    world.HumanInAttackParty.fill(false);
    world.HumanInDefenceParty.fill(false);
    for (int g = 0; g < kGroupCount; ++g) {
        world.GroupColor[g] = kGroups[g].color;
        world.GroupBossName[g] = kGroups[g].bossName;
        world.GroupAlly[g] = 0;
        world.GroupHostility[g] = 75;
    }
    world.Year = 1930;
    world.Month = 1;
    world.Week = 1;
    ChooseGroup(world, 0);

    for (const char* file : {"hn.dat", "hg.dat", "hj.dat", "hap.dat", "hdp.dat", "hcp.dat",
                             "hd.dat", "hsp.dat", "hc.dat", "hcity.dat"}) {
        Load(folder, file, world);
    }
    for (int h = 0; h < kHumanCount; ++h)
        DeriveHumanFields(world, h);
    for (const char* file : {"cn.dat", "ch.dat", "ct.dat", "cm.dat"})
        Load(folder, file, world);
    ExpectNames("cn.dat", kDistricts, world.CityName);
    world.CityStick.fill(0);
    world.CityKnife.fill(0);
    world.CitySword.fill(0);
    for (const char* file : {"gn.dat", "gf.dat"})
        Load(folder, file, world);
    ExpectNames("gn.dat", kGroups, world.GroupName);
    world.HumanCanAct.fill(true);

    RecountCities(world);
    for (int c = 0; c < kCityCount; ++c)
        world.SetOwner(c, kDistricts[c].startOwner);
    ExpectSavable(world);
    return world;
}

std::string StartUpError(std::string_view program, const std::filesystem::path& folder,
                         const std::string& cause) {
    return std::string(program) + ": 게임 폴더 " + folder.string() +
           "에서 게임을 시작할 수 없습니다: " + cause + "\n";
}

}  // namespace golmok
