#include "support/TestWorld.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <unistd.h>

#include "game/NewWorld.h"
#include "world/Tables.h"

namespace golmok::test {

World BlankWorld() {
    World w;
    for (int g = 0; g < kGroupCount; ++g) {
        w.GroupName[g] = kGroups[g].name;
        w.GroupColor[g] = kGroups[g].color;
        w.GroupBossName[g] = kGroups[g].bossName;
        w.GroupHostility[g] = 75;
    }
    for (int c = 0; c < kCityCount; ++c) {
        w.CityName[c] = kDistricts[c].name;
        w.SetOwner(c, kDistricts[c].startOwner);
    }
    for (int h = 0; h < kHumanCount; ++h) {
        w.HumanName[h] = "사람" + std::to_string(h);
        w.HumanGroup[h] = kJoblessGroup;
        w.HumanCity[h] = kJoblessCity;
        w.HumanRank[h] = "조장";
        w.HumanWeapon[h] = kDefaultWeapon;
        w.HumanCanAct[h] = true;
        DeriveHumanFields(w, h);
    }
    ChooseGroup(w, 0);
    return w;
}

void Place(World& world, int human, int city, int group, double attack, double defence,
           double leadership) {
    world.HumanCity[human] = world.CityName[city];
    world.HumanGroup[human] = world.GroupName[group];
    world.HumanAttack[human] = attack;
    world.HumanDefence[human] = defence;
    world.HumanLeadership[human] = leadership;
    DeriveHumanFields(world, human);
}

World GarrisonedWorld(int people) {
    World w = BlankWorld();
    for (int c = 0; c < kCityCount; ++c) {
        for (int i = 0; i < people; ++i)
            Place(w, c * people + i, c, *w.OwnerOf(c), 0, 0, 0);
    }
    return w;
}

std::filesystem::path ShippedData() {
    return GOLMOK_DATA_DIR;
}

TempFolder::TempFolder() {
    static std::atomic<int> counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("golmok-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace golmok::test
