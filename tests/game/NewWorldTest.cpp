#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "game/NewWorld.h"
#include "support/TestWorld.h"
#include "world/Cp949.h"
#include "world/RecordFiles.h"
#include "world/Tables.h"

namespace golmok {
namespace {

namespace fs = std::filesystem;

// A copy of the shipped record files that a test may change.
class DataCopy {
  public:
    DataCopy() {
        for (const RecordFileInfo& file : RecordFiles()) {
            fs::copy_file(test::ShippedData() / file.name, folder_.path() / file.name);
        }
    }
    const fs::path& path() const { return folder_.path(); }
    void Write(const char* file, const std::vector<std::string>& records) const {
        std::string text;
        for (const std::string& record : records)
            text += record + "¸";
        test::WriteFile(folder_.path() / file, EncodeCp949(text + "\r\n").value());
    }
    std::vector<std::string> Read(const char* file) const {
        return ReadRecordFile(folder_.path() / file);
    }

  private:
    test::TempFolder folder_;
};

TEST(BuildNewWorld, StartingValuesAndDerivedFigures) {
    DataCopy data;
    auto attack = data.Read("hap.dat");
    auto defence = data.Read("hdp.dat");
    attack[3] = "31";
    defence[3] = "20";
    data.Write("hap.dat", attack);
    data.Write("hdp.dat", defence);

    const World w = BuildNewWorld(data.path());
    EXPECT_EQ(w.HumanStamina[3], 25);  // Int((31 + 20) / 2)
    for (int h = 0; h < kHumanCount; ++h) {
        EXPECT_EQ(w.HumanLoyalty[h], 100);
        EXPECT_EQ(w.HumanMorale[h], 100);
        EXPECT_EQ(w.HumanMembers[h], w.HumanLeadership[h]);
        EXPECT_EQ(w.HumanStamina[h], w.FullStamina(h));
        EXPECT_TRUE(w.HumanCanAct[h]);
        EXPECT_EQ(w.HumanWeapon[h], "각목");
        EXPECT_FALSE(w.HumanInAttackParty[h] || w.HumanInDefenceParty[h]);
    }
    for (int c = 0; c < kCityCount; ++c) {
        EXPECT_EQ(w.OwnerOf(c), kDistricts[c].startOwner) << c;
        EXPECT_EQ(w.CitySword[c] + w.CityKnife[c] + w.CityStick[c], 0);
    }
    for (int g = 0; g < kGroupCount; ++g) {
        EXPECT_EQ(w.GroupColor[g], kGroups[g].color);
        EXPECT_EQ(w.GroupBossName[g], kGroups[g].bossName);
        EXPECT_EQ(w.GroupAlly[g], 0);
        EXPECT_EQ(w.GroupHostility[g], 75);
    }
    EXPECT_EQ(w.Year, 1930);
    EXPECT_EQ(w.Month, 1);
    EXPECT_EQ(w.Week, 1);
    EXPECT_EQ(w.BattleMode, BattleMode::Turn);
    EXPECT_EQ(w.PlayerGroupIndex, 0);
    EXPECT_EQ(w.PlayerGroupName, "거지파");
    EXPECT_EQ(w.PlayerColor, 33023u);
    EXPECT_EQ(w.AttackFromCity, -1);
    EXPECT_EQ(w.AttackToCity, -1);
    EXPECT_FALSE(w.MapLocked);
    // The tallies are counted at start-up.
    double people = 0;
    for (int c = 0; c < kCityCount; ++c)
        people += w.CityHumanCount[c];
    EXPECT_EQ(people, kHumanCount);
}

TEST(BuildNewWorld, RefusesDataThatCannotMakeAWorld) {
    struct Case {
        const char* name;
        void (*spoil)(const DataCopy&);
        const char* file;
    };
    const Case cases[] = {
        {"missing file", [](const DataCopy& d) { fs::remove(d.path() / "hcity.dat"); },
         "hcity.dat"},
        {"short file",
         [](const DataCopy& d) {
             auto names = d.Read("hn.dat");
             names.resize(190);
             d.Write("hn.dat", names);
         },
         "hn.dat"},
        {"no separator",
         [](const DataCopy& d) { test::WriteFile(d.path() / "ct.dat", "10 20 30"); }, "ct.dat"},
        {"districts out of order",
         [](const DataCopy& d) {
             auto names = d.Read("cn.dat");
             std::swap(names[0], names[1]);
             d.Write("cn.dat", names);
         },
         "cn.dat"},
        {"unknown gang name",
         [](const DataCopy& d) {
             auto names = d.Read("gn.dat");
             names[6] = "백사파";
             d.Write("gn.dat", names);
         },
         "gn.dat"},
    };
    for (const Case& c : cases) {
        DataCopy data;
        c.spoil(data);
        try {
            BuildNewWorld(data.path());
            ADD_FAILURE() << c.name << ": accepted";
        } catch (const RecordFileError& error) {
            EXPECT_EQ(error.file(), c.file) << c.name;
        }
    }
}

TEST(BuildNewWorld, ShortFileReportNamesTheCounts) {
    DataCopy data;
    auto names = data.Read("hn.dat");
    names.resize(190);
    data.Write("hn.dat", names);
    try {
        BuildNewWorld(data.path());
        FAIL() << "accepted";
    } catch (const RecordFileError& error) {
        EXPECT_STREQ(error.what(), "hn.dat: 기록이 190개입니다 (194개 필요)");
    }
}

TEST(ChooseGroup, SetsThePlayerFieldsTogether) {
    World w = test::BlankWorld();
    ChooseGroup(w, 5);
    ChooseGroup(w, 2);
    EXPECT_EQ(w.PlayerGroupIndex, 2);
    EXPECT_EQ(w.PlayerGroupName, "불사파");
    EXPECT_EQ(w.PlayerColor, 0xFFFF00u);
}

}  // namespace
}  // namespace golmok
