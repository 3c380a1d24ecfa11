#include "game/NewWorld.h"

#include "world/SharedRoutines.h"
#include "world/RecordFiles.h"
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

}  // namespace

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
    return world;
}

}  // namespace golmok
