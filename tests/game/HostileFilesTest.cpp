// What a hostile user or a failing machine may put where the game reads its files: record files
// that are no files, too large, of another encoding or naming what no game holds, and slots whose
// fields lie outside what the rules can make. Each is refused with one line that names the file
// and the record or the field; nothing blocks, throws or half-loads.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <string>

#include <sys/stat.h>

#include "game/NewWorld.h"
#include "support/TestWorld.h"
#include "world/Cp949.h"
#include "world/RecordFiles.h"
#include "world/SavedGames.h"

namespace golmok {
namespace {

namespace fs = std::filesystem;

// A copy of the shipped record files.
void CopyRecords(const fs::path& folder) {
    for (const RecordFileInfo& file : RecordFiles())
        fs::copy_file(test::ShippedData() / file.name, folder / file.name);
}

// Record `row` of a record file in `folder` becomes `bytes` (CP949 as it stands).
void SetRecord(const fs::path& folder, const char* name, int row, const std::string& bytes) {
    std::vector<std::string> records = ReadRecordFile(folder / name);
    std::string text;
    for (std::size_t i = 0; i < records.size(); ++i) {
        text += i == std::size_t(row) ? "@@" : records[i];
        text += "¸";
    }
    std::string encoded = EncodeCp949(text).value();
    encoded.replace(encoded.find("@@"), 2, bytes);
    test::WriteFile(folder / name, encoded);
}

void ReplaceFile(const fs::path& file, const std::function<void(const fs::path&)>& make) {
    fs::remove(file);
    make(file);
}

const std::string kNoCp949 = "\xFF\xFE";

TEST(HostileFiles, RecordFilesThatCannotMakeASavableWorldAreRefusedByName) {
    struct Case {
        const char* name;
        std::function<void(const fs::path& folder)> spoil;
        std::vector<std::string> said;  // the message holds each of these
    };
    const Case cases[] = {
        {"a folder",
         [](const fs::path& f) {
             ReplaceFile(f / "hn.dat", [](auto p) { fs::create_directory(p); });
         },
         {"hn.dat", "폴더"}},
        {"a FIFO",
         [](const fs::path& f) {
             ReplaceFile(f / "hg.dat", [](auto p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); });
         },
         {"hg.dat", "보통 파일이 아닙니다"}},
        {"a link to /dev/zero",
         [](const fs::path& f) {
             ReplaceFile(f / "hcity.dat", [](auto p) { fs::create_symlink("/dev/zero", p); });
         },
         {"hcity.dat", "보통 파일이 아닙니다"}},
        {"an oversized file",
         [](const fs::path& f) {
             std::string big;
             while (big.size() <= kMaxRecordFileBytes)
                 big += "        1\xA2\xAC";
             test::WriteFile(f / "hd.dat", big);
         },
         {"hd.dat", "너무 큽니다"}},
        {"a link to a missing file",
         [](const fs::path& f) {
             ReplaceFile(f / "cn.dat", [&](auto p) { fs::create_symlink(f / "nowhere", p); });
         },
         {"cn.dat", "없습니다"}},
        {"a gang that is no gang",
         [](const fs::path& f) { SetRecord(f, "hg.dat", 5, "\xBE\xF8\xB4\xC2\xC6\xC4"); },
         {"hg.dat", "기록 5", "조직"}},
        {"a byte that is no CP949 in hg.dat",
         [](const fs::path& f) { SetRecord(f, "hg.dat", 7, "\xB0\xC5" + kNoCp949); },
         {"hg.dat", "기록 7", "CP949"}},
        {"a byte that is no CP949 in hj.dat",
         [](const fs::path& f) { SetRecord(f, "hj.dat", 0, kNoCp949); },
         {"hj.dat", "기록 0", "CP949"}},
        {"a byte that is no CP949 in hcity.dat",
         [](const fs::path& f) { SetRecord(f, "hcity.dat", 193, "A" + kNoCp949); },
         {"hcity.dat", "기록 193", "CP949"}},
        {"a control character in a rank",
         [](const fs::path& f) {
             SetRecord(f, "hj.dat", 3,
                       "a\x01"
                       "b");
         },
         {"hj.dat", "기록 3", "제어 문자"}},
        {"a negative population",
         [](const fs::path& f) { SetRecord(f, "ch.dat", 3, "-1"); },
         {"ch.dat", "기록 3", "인구"}},
        {"a population of 1e307",
         [](const fs::path& f) { SetRecord(f, "ch.dat", 4, "1e307"); },
         {"ch.dat", "기록 4", "너무 큽니다"}},
        {"commerce 1000",
         [](const fs::path& f) { SetRecord(f, "ct.dat", 2, "1000"); },
         {"ct.dat", "기록 2", "상업"}},
        {"negative money",
         [](const fs::path& f) { SetRecord(f, "cm.dat", 9, "-1"); },
         {"cm.dat", "기록 9", "돈"}},
        {"attack and defence below 0",
         [](const fs::path& f) { SetRecord(f, "hap.dat", 11, "-500"); },
         {"hap.dat", "기록 11", "체력"}},
        {"negative leadership",
         [](const fs::path& f) { SetRecord(f, "hc.dat", 12, "-5"); },
         {"hc.dat", "기록 12", "조직원수"}},
        {"fame of 1e300",
         [](const fs::path& f) { SetRecord(f, "gf.dat", 1, "1e300"); },
         {"gf.dat", "기록 1", "너무 큽니다"}},
    };
    for (const Case& c : cases) {
        test::TempFolder folder;
        CopyRecords(folder.path());
        c.spoil(folder.path());
        std::string error;
        BuildStartWorld(folder.path(), error);
        ASSERT_FALSE(error.empty()) << c.name;
        EXPECT_EQ(error.find('\n'), std::string::npos) << c.name;
        for (const std::string& part : c.said)
            EXPECT_NE(error.find(part), std::string::npos) << c.name << ": " << error;
    }
}

TEST(HostileFiles, RecordFilesOfWorldsTheGameCanSaveStart) {
    struct Case {
        const char* name;
        std::function<void(const fs::path& folder)> change;
        std::function<bool(const World&)> holds;
    };
    const Case cases[] = {
        // 압구정 is no district: the person stands outside every district.
        {"a place outside every district",
         [](const fs::path& f) { SetRecord(f, "hcity.dat", 20, "\xBE\xD0\xB1\xB8\xC1\xA4"); },
         [](const World& w) { return w.HumanCity[20] == "압구정" && !w.CityIndexOf("압구정"); }},
        {"a dismissed person",
         [](const fs::path& f) { SetRecord(f, "hg.dat", 21, "\xB9\xE9\xBC\xF6\xC6\xC4"); },
         [](const World& w) { return w.HumanGroup[21] == kJoblessGroup; }},
        {"an empty rank", [](const fs::path& f) { SetRecord(f, "hj.dat", 22, ""); },
         [](const World& w) { return w.HumanRank[22].empty(); }},
        {"figures by the number rule",
         [](const fs::path& f) { SetRecord(f, "cm.dat", 0, "+5e3 won"); },
         [](const World& w) { return w.CityMoney[0] == 5000; }},
    };
    for (const Case& c : cases) {
        test::TempFolder folder;
        CopyRecords(folder.path());
        c.change(folder.path());
        std::string error;
        const World w = BuildStartWorld(folder.path(), error);
        ASSERT_EQ(error, "") << c.name;
        EXPECT_TRUE(c.holds(w)) << c.name;
        ASSERT_EQ(SaveGame(w, folder.path(), 0), std::nullopt) << c.name;
        World loaded = BuildNewWorld(folder.path());
        loaded.Year = 1940;
        ASSERT_EQ(LoadGame(loaded, folder.path(), 0).state, SlotState::Game) << c.name;
        EXPECT_EQ(loaded, w) << c.name;
    }
}

TEST(HostileFiles, SlotFilesThatAreNoFilesAreRefusedWithoutBlocking) {
    struct Case {
        const char* name;
        std::function<void(const fs::path& slot)> make;
        const char* said;
    };
    const Case cases[] = {
        {"a FIFO", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); },
         "보통 파일이 아닙니다"},
        {"a link to /dev/zero", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); },
         "보통 파일이 아닙니다"},
        {"a folder", [](const fs::path& p) { fs::create_directory(p); }, "폴더"},
        {"an oversized file",
         [](const fs::path& p) { test::WriteFile(p, std::string(kMaxSlotBytes + 1, ' ')); },
         "너무 큽니다"},
    };
    for (const Case& c : cases) {
        test::TempFolder folder;
        c.make(SlotPath(folder.path(), 3));
        World w = test::BlankWorld();
        const World before = w;
        const LoadResult result = LoadGame(w, folder.path(), 3);
        EXPECT_EQ(result.state, SlotState::Damaged) << c.name;
        EXPECT_NE(result.message.find(c.said), std::string::npos)
            << c.name << ": " << result.message;
        EXPECT_EQ(w, before) << c.name;
        EXPECT_EQ(SlotLabel(folder.path(), 3, w), kDamagedSlotLabel) << c.name;
    }
}

// A world with one field changed, written as a save writes it (the writer itself checks nothing).
std::string SlotWith(const std::function<void(World&)>& change) {
    World w = test::BlankWorld();
    test::Place(w, 0, 7, 0, 40, 30, 90);  // full stamina 35, leadership 90
    change(w);
    return SaveText(w);
}

TEST(HostileFiles, SlotFieldsOutsideWhatTheRulesMakeAreRefusedByName) {
    struct Case {
        const char* name;
        std::function<void(World&)> change;
        const char* field;  // the refusal names it
    };
    const Case cases[] = {
        {"loyalty above 100", [](World& w) { w.HumanLoyalty[0] = 101; }, "사람 0의 충성"},
        {"loyalty 1e300", [](World& w) { w.HumanLoyalty[0] = 1e300; }, "사람 0의 충성"},
        {"loyalty -1e300", [](World& w) { w.HumanLoyalty[0] = -1e300; }, "사람 0의 충성"},
        {"stamina above full", [](World& w) { w.HumanStamina[0] = 36; }, "사람 0의 체력"},
        {"stamina 1e300", [](World& w) { w.HumanStamina[0] = 1e300; }, "사람 0의 체력"},
        {"stamina -1", [](World& w) { w.HumanStamina[0] = -1; }, "사람 0의 체력"},
        {"members -5", [](World& w) { w.HumanMembers[0] = -5; }, "사람 0의 조직원수"},
        {"members above 100 and leadership", [](World& w) { w.HumanMembers[0] = 101; },
         "사람 0의 조직원수"},
        {"morale above 100", [](World& w) { w.HumanMorale[0] = 101; }, "사람 0의 조직원사기"},
        {"morale -1e6", [](World& w) { w.HumanMorale[0] = -1e6; }, "사람 0의 조직원사기"},
        {"a gang that is no gang", [](World& w) { w.HumanGroup[0] = "없는파"; }, "사람 0의 조직"},
        {"fame 1e300", [](World& w) { w.GroupFame[2] = 1e300; }, "조직 2의 명성"},
        {"fame -1e300", [](World& w) { w.GroupFame[2] = -1e300; }, "조직 2의 명성"},
        {"an ally value of 5", [](World& w) { w.GroupAlly[3] = 5; }, "조직 3의 동맹"},
        {"an ally value of 0.5", [](World& w) { w.GroupAlly[3] = 0.5; }, "조직 3의 동맹"},
        {"hostility -10000", [](World& w) { w.GroupHostility[4] = -10000; }, "조직 4의 적대감"},
        {"hostility 1e6", [](World& w) { w.GroupHostility[4] = 1e6; }, "조직 4의 적대감"},
        {"population -1", [](World& w) { w.CityPopulation[5] = -1; }, "지역 5의 인구"},
        {"population 1e307", [](World& w) { w.CityPopulation[5] = 1e307; }, "지역 5의 인구"},
        {"commerce 1000", [](World& w) { w.CityCommerce[6] = 1000; }, "지역 6의 상업"},
        {"commerce -1", [](World& w) { w.CityCommerce[6] = -1; }, "지역 6의 상업"},
        {"money -1", [](World& w) { w.CityMoney[7] = -1; }, "지역 7의 돈"},
        {"money -1e300", [](World& w) { w.CityMoney[7] = -1e300; }, "지역 7의 돈"},
        {"money beyond whole numbers", [](World& w) { w.CityMoney[7] = 1e17; }, "지역 7의 돈"},
        {"swords -1", [](World& w) { w.CitySword[8] = -1; }, "지역 8의 진검"},
        {"sticks 1e300", [](World& w) { w.CityStick[8] = 1e300; }, "지역 8의 각목"},
        {"knives -0.5", [](World& w) { w.CityKnife[8] = -0.5; }, "지역 8의 사시미"},
    };
    for (const Case& c : cases) {
        const std::string slot = SlotWith(c.change);
        World w = test::BlankWorld();
        test::Place(w, 0, 7, 0, 40, 30, 90);
        w.Year = 1931;
        const World before = w;
        const LoadResult result = ReadSaveText(slot, w);
        EXPECT_EQ(result.state, SlotState::Damaged) << c.name;
        EXPECT_NE(result.message.find(c.field), std::string::npos)
            << c.name << ": " << result.message;
        EXPECT_EQ(w, before) << c.name;

        // The save refuses the same world, naming the same field, and writes nothing.
        World spoilt = test::BlankWorld();
        test::Place(spoilt, 0, 7, 0, 40, 30, 90);
        c.change(spoilt);
        test::TempFolder folder;
        const std::optional<std::string> failure = SaveGame(spoilt, folder.path(), 0);
        ASSERT_TRUE(failure.has_value()) << c.name;
        EXPECT_NE(failure->find(c.field), std::string::npos) << c.name << ": " << *failure;
        EXPECT_FALSE(fs::exists(SlotPath(folder.path(), 0))) << c.name;
    }
}

// Figures out of their turn-end range that the rules leave until the next turn end: a slot saved
// then must load.
TEST(HostileFiles, FiguresTheRulesLeaveUntilTheTurnEndLoad) {
    struct Case {
        const char* name;
        std::function<void(World&)> change;
    };
    const Case cases[] = {
        // A conquest takes 20 loyalty from everybody in the district, and fights take 10 morale
        // from each loser.
        {"loyalty after conquests", [](World& w) { w.HumanLoyalty[0] = -25; }},
        {"morale after lost fights", [](World& w) { w.HumanMorale[0] = -20; }},
        // A command caps members at 100, above this man's leadership of 90.
        {"members above leadership", [](World& w) { w.HumanMembers[0] = 100; }},
        {"commerce developed past 100", [](World& w) { w.CityCommerce[6] = 102; }},
        {"hostility after an alliance", [](World& w) { w.GroupHostility[4] = -5; }},
        {"hostility after attacks", [](World& w) { w.GroupHostility[4] = 140; }},
        {"a computer gang's fame run down", [](World& w) { w.GroupFame[5] = -4000; }},
        {"money as high as it goes", [](World& w) { w.CityMoney[7] = kMostAmount; }},
        {"a dismissed person",
         [](World& w) {
             w.HumanGroup[1] = kJoblessGroup;
             w.HumanCity[1] = kJoblessCity;
             w.HumanRank[1] = kJoblessRank;
         }},
        {"a place outside every district", [](World& w) { w.HumanCity[2] = "압구정"; }},
    };
    for (const Case& c : cases) {
        World w = test::BlankWorld();
        test::Place(w, 0, 7, 0, 40, 30, 90);
        c.change(w);
        test::TempFolder folder;
        ASSERT_EQ(SaveGame(w, folder.path(), 0), std::nullopt) << c.name;
        World loaded = test::BlankWorld();
        test::Place(loaded, 0, 7, 0, 40, 30, 90);
        const LoadResult result = LoadGame(loaded, folder.path(), 0);
        ASSERT_EQ(result.state, SlotState::Game) << c.name << ": " << result.message;
        EXPECT_EQ(loaded, w) << c.name;
    }
}

}  // namespace
}  // namespace golmok
