#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <functional>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "game/NewWorld.h"
#include "game/TurnCycle.h"
#include "support/GarbledSlots.h"
#include "support/TestWorld.h"
#include "world/Cp949.h"
#include "world/SavedGames.h"
#include "world/SmallFiles.h"

namespace golmok {
namespace {

namespace fs = std::filesystem;

World ShippedWorld() {
    return BuildNewWorld(test::ShippedData());
}

std::vector<std::string> FilesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(SavedGames, NewGameOfTheFirstGangWritesItsDateAndGangFirst) {
    World w = ShippedWorld();
    ChooseGroup(w, 0);
    test::TempFolder folder;
    ASSERT_EQ(SaveGame(w, folder.path(), 0), std::nullopt);

    const std::string bytes = test::ReadFile(folder.path() / "save00.sav");
    // " 1930¸ 1¸ 1¸거지파¸ 33023¸ 0¸˛" in CP949: ¸ is A2 AC, ˛ is A2 AD, 거지파 B0C5 C1F6 C6C4.
    const std::string block0 =
        " 1930\xA2\xAC 1\xA2\xAC 1\xA2\xAC\xB0\xC5\xC1\xF6\xC6\xC4\xA2\xAC 33023\xA2\xAC 0\xA2\xAC"
        "\xA2\xAD";
    EXPECT_EQ(bytes.substr(0, block0.size()), block0);
    // One line: the only line break is the CR LF after the last block.
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(bytes.substr(bytes.size() - 4), "\xA2\xAD\r\n");
    EXPECT_EQ(bytes.find_first_of("\r\n"), bytes.size() - 2);
    // Human 0 follows: the boss of 거지파 in 서초 with full loyalty, able to act.
    const std::string text = DecodeCp949(bytes);
    EXPECT_TRUE(
        text.starts_with(" 1930¸ 1¸ 1¸거지파¸ 33023¸ 0¸˛ 100¸거지파¸두목¸ 93¸서초¸ 92¸ 100¸True¸ "))
        << text.substr(0, 80);

    EXPECT_EQ(SlotLabel(folder.path(), 0, w), "1930년 1월 1주 거지파");
    EXPECT_EQ(FilesIn(folder.path()), std::vector<std::string>{"save00.sav"});
}

TEST(SavedGames, NumbersCarryALeadingSpaceUnlessNegativeAndReadBackExactly) {
    struct Case {
        double value;
        const char* written;
    };
    const Case cases[] = {
        {75, " 75¸"},
        {-20, "-20¸"},
        {0, " 0¸"},
        {-0.0, " 0¸"},
        {0.1, " 0.1¸"},
        {-12345.6, "-12345.6¸"},
        {-1e15, "-1000000000000000¸"},  // plain digits, never an exponent
        {1.0 / 3, " 0.3333333333333333¸"},
    };
    for (const Case& c : cases) {
        World w = test::BlankWorld();
        w.GroupFame[0] = c.value;
        const std::string text = SaveText(w);
        // Block 2 starts after the second terminator with the fame of gang 0.
        const std::size_t groups = text.find("˛", text.find("˛") + 1) + std::string("˛").size();
        EXPECT_EQ(text.substr(groups, std::string(c.written).size()), c.written) << c.value;

        World back = test::BlankWorld();
        ASSERT_EQ(ReadSaveText(text, back).state, SlotState::Game) << c.value;
        EXPECT_EQ(back.GroupFame[0], c.value);
    }
}

// A game well under way: another gang, a later date, figures changed everywhere, fractions and
// negative figures, somebody dismissed, somebody who has acted.
World GameUnderWay() {
    World w = ShippedWorld();
    ChooseGroup(w, 3);
    w.Year = 1932;
    w.Month = 11;
    w.Week = 4;
    w.CityMoney[7] = 1234567.8;
    w.CitySword[1] = 12;
    w.CityKnife[1] = 30;
    w.CityStick[17] = 250;
    w.CityCommerce[22] = 100;
    w.CityPopulation[3] = 40000;
    w.SetOwner(0, 3);
    w.SetOwner(12, 6);
    w.HumanLoyalty[40] = 63;
    w.HumanStamina[41] = 12;
    w.HumanMembers[42] = 40;
    w.HumanMorale[42] = 85;
    w.HumanCanAct[43] = false;
    w.HumanCity[44] = "강동";
    w.HumanGroup[44] = "영웅파";
    w.HumanGroup[45] = kJoblessGroup;  // dismissed
    w.HumanCity[45] = kJoblessCity;
    w.HumanRank[45] = kJoblessRank;
    w.GroupFame[2] = -20;
    w.GroupAlly[4] = 1;
    w.GroupHostility[5] = 12.5;
    return w;
}

TEST(SavedGames, LoadingRestoresEverySavedFieldAndKeepsTheRest) {
    test::TempFolder folder;
    const World saved = GameUnderWay();
    ASSERT_EQ(SaveGame(saved, folder.path(), 2), std::nullopt);
    EXPECT_EQ(SlotLabel(folder.path(), 2, saved), "1932년 11월 4주 영웅파");

    // Play on: a turn end, another gang, figures and owners changed, the dismissed person back,
    // and the player's own settings, weapons and parties changed too.
    World w = saved;
    EndTurn(w);
    ChooseGroup(w, 5);
    w.CityMoney.fill(5);
    w.CitySword.fill(1);
    w.CityKnife.fill(2);
    w.CityStick.fill(3);
    for (int c = 0; c < kCityCount; ++c)
        w.SetOwner(c, 5);
    w.HumanLoyalty.fill(1);
    w.HumanStamina.fill(2);
    w.HumanMembers.fill(3);
    w.HumanMorale.fill(4);
    w.HumanCanAct.fill(false);
    w.HumanGroup[45] = "마적파";
    w.HumanCity[45] = "구로";
    w.HumanRank[45] = "조장";
    w.GroupFame.fill(0);
    w.GroupAlly.fill(0);
    w.GroupHostility.fill(100);
    w.options.notices = true;
    w.options.music = false;
    w.options.truce = true;
    w.options.strongGangs = true;
    w.options.living = true;
    w.BattleMode = BattleMode::Real;
    w.HumanWeapon[0] = "진검";
    w.HumanInAttackParty[1] = true;
    w.HumanInDefenceParty[2] = true;
    w.AttackFromCity = 3;
    w.AttackToCity = 4;
    w.CityHumanCount[0] = 99;
    const World beforeLoad = w;

    const LoadResult result = LoadGame(w, folder.path(), 2);
    ASSERT_EQ(result.state, SlotState::Game) << result.message;
    EXPECT_EQ(result.message, "");

    EXPECT_EQ(w.Year, 1932);
    EXPECT_EQ(w.Month, 11);
    EXPECT_EQ(w.Week, 4);
    EXPECT_EQ(w.PlayerGroupIndex, 3);
    EXPECT_EQ(w.PlayerGroupName, "영웅파");
    EXPECT_EQ(w.PlayerColor, saved.GroupColor[3]);
    EXPECT_EQ(w.CityMoney, saved.CityMoney);
    EXPECT_EQ(w.CitySword, saved.CitySword);
    EXPECT_EQ(w.CityKnife, saved.CityKnife);
    EXPECT_EQ(w.CityStick, saved.CityStick);
    EXPECT_EQ(w.CityCommerce, saved.CityCommerce);
    EXPECT_EQ(w.CityPopulation, saved.CityPopulation);
    EXPECT_EQ(w.CityOwnerColor, saved.CityOwnerColor);
    EXPECT_EQ(w.HumanLoyalty, saved.HumanLoyalty);
    EXPECT_EQ(w.HumanStamina, saved.HumanStamina);
    EXPECT_EQ(w.HumanMembers, saved.HumanMembers);
    EXPECT_EQ(w.HumanMorale, saved.HumanMorale);
    EXPECT_EQ(w.HumanMembers[42], 40);
    EXPECT_EQ(w.HumanMorale[42], 85);
    EXPECT_EQ(w.HumanCanAct, saved.HumanCanAct);
    EXPECT_FALSE(w.HumanCanAct[43]);
    EXPECT_EQ(w.HumanGroup, saved.HumanGroup);
    EXPECT_EQ(w.HumanCity, saved.HumanCity);
    EXPECT_EQ(w.HumanRank, saved.HumanRank);
    EXPECT_EQ(w.HumanGroup[45], "백수파");
    EXPECT_EQ(w.HumanCity[45], "백수동네");
    EXPECT_EQ(w.HumanRank[45], "백수");
    EXPECT_EQ(w.GroupFame, saved.GroupFame);
    EXPECT_EQ(w.GroupAlly, saved.GroupAlly);
    EXPECT_EQ(w.GroupHostility, saved.GroupHostility);

    // What a slot does not hold is the running game's.
    EXPECT_EQ(w.options, beforeLoad.options);
    EXPECT_EQ(w.BattleMode, BattleMode::Real);
    EXPECT_EQ(w.HumanWeapon, beforeLoad.HumanWeapon);
    EXPECT_EQ(w.HumanInAttackParty, beforeLoad.HumanInAttackParty);
    EXPECT_EQ(w.HumanInDefenceParty, beforeLoad.HumanInDefenceParty);
    EXPECT_EQ(w.AttackFromCity, 3);
    EXPECT_EQ(w.AttackToCity, 4);
    EXPECT_EQ(w.CityHumanCount, beforeLoad.CityHumanCount);
    EXPECT_EQ(w.HumanName, beforeLoad.HumanName);
    EXPECT_EQ(w.HumanAttack, beforeLoad.HumanAttack);

    // Loaded into a world fresh from the record files and saved again, the slot is the same file.
    World fresh = ShippedWorld();
    ASSERT_EQ(LoadGame(fresh, folder.path(), 2).state, SlotState::Game);
    ASSERT_EQ(SaveGame(fresh, folder.path(), 3), std::nullopt);
    EXPECT_EQ(test::ReadFile(folder.path() / "save03.sav"),
              test::ReadFile(folder.path() / "save02.sav"));
}

TEST(SavedGames, AGamePlayedForMonthsComesBackFromItsSlot) {
    test::TempFolder folder;
    World w = ShippedWorld();
    ChooseGroup(w, 4);
    std::string savedText;
    for (int turn = 1; turn <= 50; ++turn) {
        // A little of what a week brings: money spent, arms bought, somebody busy.
        w.CityMoney[turn % kCityCount] -= 1000.5 * turn;
        w.CityKnife[turn % kCityCount] += turn;
        w.HumanCanAct[turn] = false;
        if (turn == 37) {
            ASSERT_EQ(SaveGame(w, folder.path(), 0), std::nullopt);  // after 36 turn ends
            savedText = SaveText(w);
        }
        EndTurn(w);
    }
    EXPECT_EQ(w.Year, 1931);
    EXPECT_EQ(SlotLabel(folder.path(), 0, w), "1930년 10월 1주 종로파");

    ASSERT_EQ(LoadGame(w, folder.path(), 0).state, SlotState::Game);
    EXPECT_EQ(SaveText(w), savedText);
    EXPECT_EQ(w.Month, 10);
    EXPECT_EQ(w.Week, 1);
    EXPECT_FALSE(w.HumanCanAct[37]);  // acted in the saved week
    EXPECT_TRUE(w.HumanCanAct[36]);
}

TEST(SavedGames, SlotsWithoutAGameAreEmptyAndLoadingThemChangesNothing) {
    struct Case {
        const char* name;
        std::function<void(const fs::path& slot)> make;
    };
    const Case cases[] = {
        {"missing file", [](const fs::path&) {}},
        {"empty file", [](const fs::path& slot) { test::WriteFile(slot, ""); }},
        {"only a line break", [](const fs::path& slot) { test::WriteFile(slot, " \r\n"); }},
    };
    for (const Case& c : cases) {
        test::TempFolder folder;
        c.make(SlotPath(folder.path(), 1));
        World w = GameUnderWay();
        const World before = w;
        const LoadResult result = LoadGame(w, folder.path(), 1);
        EXPECT_EQ(result.state, SlotState::Empty) << c.name;
        EXPECT_EQ(result.message, "빈 슬롯입니다. 불러올 게임이 없습니다.") << c.name;
        EXPECT_EQ(w, before) << c.name;
        EXPECT_EQ(SlotLabel(folder.path(), 1, w), "비어있음") << c.name;
    }
}

// Replaces the first occurrence of `from` at or after `start`.
std::string Replace(std::string text, std::string_view from, std::string_view to,
                    std::size_t start = 0) {
    const std::size_t at = text.find(from, start);
    if (at == std::string::npos) throw std::logic_error("no " + std::string(from));
    return text.replace(at, from.size(), to);
}

std::size_t BlockStart(const std::string& text, int block) {
    std::size_t at = 0;
    for (int b = 0; b < block; ++b)
        at = text.find("˛", at) + std::string("˛").size();
    return at;
}

TEST(SavedGames, DamagedSlotsAreRefusedAndTheGameIsLeftAsItWas) {
    World base = test::BlankWorld();
    base.HumanGroup[0] = "거지파";
    base.HumanCity[0] = "서초";
    base.HumanRank[0] = "두목";
    const std::string good = SaveText(base);
    const std::size_t humans = BlockStart(good, 1);
    const std::size_t cities = BlockStart(good, 3);
    const std::string human0 = " 100¸거지파¸두목¸ 0¸서초¸ 0¸ 100¸True¸";
    ASSERT_EQ(good.substr(humans, human0.size()), human0);

    struct Case {
        const char* name;
        std::string text;
    };
    std::string manyFields = good;
    for (int i = 0; i < 10000; ++i)
        manyFields.insert(cities, " 1¸");
    const Case cases[] = {
        {"no block terminator",
         Replace(Replace(Replace(Replace(good, "˛", ""), "˛", ""), "˛", ""), "˛", "")},
        {"three blocks", good.substr(0, BlockStart(good, 3))},
        {"cut in the middle", good.substr(0, good.size() / 2)},
        {"last field without separator", Replace(good, "¸˛", "˛", cities)},
        {"a field too many", Replace(good, "True¸", "True¸ 1¸", humans)},
        {"a field too few", Replace(good, human0, " 100¸거지파¸두목¸ 0¸서초¸ 0¸ 100¸")},
        {"10000 extra fields", manyFields},
        {"separator inside a name", Replace(good, "거지파¸두목", "거지¸파¸두목")},
        {"terminator inside a name", Replace(good, "거지파¸두목", "거지˛파¸두목")},
        {"number too large",
         Replace(good, human0,
                 " 1" + std::string(400, '0') + "¸거지파¸두목¸ 0¸서초¸ 0¸ 100¸True¸")},
        {"lower-case true", Replace(good, human0, " 100¸거지파¸두목¸ 0¸서초¸ 0¸ 100¸true¸")},
        {"unknown gang", Replace(good, human0, " 100¸없는파¸두목¸ 0¸서초¸ 0¸ 100¸True¸")},
        {"a year that is no number", Replace(good, " 1930¸", " 연도¸")},
        {"a fraction of a year", Replace(good, " 1930¸", " 1930.5¸")},
        {"an exponent beyond any number",
         Replace(good, human0, " 1e400¸거지파¸두목¸ 0¸서초¸ 0¸ 100¸True¸")},
        {"line break in a rank",
         Replace(good, human0, " 100¸거지파¸두\r\n목¸ 0¸서초¸ 0¸ 100¸True¸")},
        {"gang index out of range", Replace(good, " 33023¸ 0¸˛", " 33023¸ 7¸˛")},
        {"gang index of another gang", Replace(good, " 33023¸ 0¸˛", " 33023¸ 1¸˛")},
        {"gang name of another gang", Replace(good, "거지파¸ 33023", "지존파¸ 33023")},
        {"colour of another gang", Replace(good, " 33023¸ 0¸˛", " 65535¸ 0¸˛")},
        {"owner colour of no gang", Replace(good, " 16711680¸", " 123¸", cities)},
        {"month 13", Replace(good, " 1930¸ 1¸", " 1930¸ 13¸")},
        {"week 0", Replace(good, " 1930¸ 1¸ 1¸", " 1930¸ 1¸ 0¸")},
        {"week 2.5", Replace(good, " 1930¸ 1¸ 1¸", " 1930¸ 1¸ 2.5¸")},
        {"year before the game", Replace(good, " 1930¸", " 1929¸")},
        {"year far away", Replace(good, " 1930¸", " 99999999999¸")},
    };
    for (const Case& c : cases) {
        // The running game differs from the slot in every block, so that any field read before
        // the refusal would show.
        World w = base;
        w.Year = 1931;
        w.HumanLoyalty.fill(50);
        w.GroupFame.fill(3);
        w.CityMoney.fill(9);
        const World before = w;
        const LoadResult result = ReadSaveText(c.text, w);
        EXPECT_EQ(result.state, SlotState::Damaged) << c.name;
        EXPECT_TRUE(result.message.starts_with("저장된 게임이 손상되어 불러올 수 없습니다 ("))
            << c.name << ": " << result.message;
        EXPECT_EQ(result.message.find('\n'), std::string::npos) << c.name;
        EXPECT_EQ(w, before) << c.name;
    }
}

TEST(SavedGames, SlotsWrittenByHandLoadWhenEveryFieldIsSound) {
    World base = test::BlankWorld();
    const std::string good = SaveText(base);
    const std::size_t humans = BlockStart(good, 1);
    struct Case {
        const char* name;
        std::string text;
        std::function<bool(const World&)> holds;
    };
    const Case cases[] = {
        {"no line break at the end", Replace(good, "\r\n", ""),
         [](const World& w) { return w.Year == 1930; }},
        {"a lone line feed", Replace(good, "\r\n", "\n"),
         [](const World& w) { return w.Year == 1930; }},
        {"blanks around numbers and texts",
         Replace(good, " 100¸백수파¸", "  42  ¸ 백수파 ¸", humans),
         [](const World& w) { return w.HumanLoyalty[0] == 42 && w.HumanGroup[0] == "백수파"; }},
        {"negative and fractional figures", Replace(good, " 100¸백수파¸", "-5.25¸백수파¸", humans),
         [](const World& w) { return w.HumanLoyalty[0] == -5.25; }},
        {"numbers by the record files' rule",
         Replace(Replace(good, " 100¸백수파¸", "+5¸백수파¸", humans), " 1930¸ 1¸ 1¸",
                 " 1930¸ 1e1¸ 1abc¸"),
         [](const World& w) { return w.HumanLoyalty[0] == 5 && w.Month == 10 && w.Week == 1; }},
        {"a number field without digits reads as 0",
         Replace(Replace(good, " 100¸백수파¸", "¸백수파¸", humans), " 100¸백수파¸", "nan¸백수파¸",
                 humans),
         [](const World& w) { return w.HumanLoyalty[0] == 0 && w.HumanLoyalty[1] == 0; }},
        {"text after the fourth block", Replace(good, "\r\n", "덧붙인 글 ¸ 1¸˛ 2¸˛\r\n"),
         [](const World& w) { return w.Year == 1930 && w.HumanCity[0] == "백수동네"; }},
        {"a place outside every district and an empty rank",
         Replace(good, " 100¸백수파¸조장¸ 0¸백수동네¸", " 100¸흑사파¸¸ 0¸압구정 뒷골목¸", humans),
         [](const World& w) {
             return w.HumanCity[0] == "압구정 뒷골목" && w.HumanRank[0].empty() &&
                    !w.CityIndexOf(w.HumanCity[0]);
         }},
        {"a person of a gang",
         Replace(good, " 100¸백수파¸조장¸ 0¸백수동네¸", " 100¸흑사파¸조장¸ 0¸노원¸", humans),
         [](const World& w) { return w.HumanGroup[0] == "흑사파" && w.HumanCity[0] == "노원"; }},
        {"another gang leads",
         Replace(good, " 1930¸ 1¸ 1¸거지파¸ 33023¸ 0¸", " 1935¸ 12¸ 4¸흑사파¸ 16711680¸ 6¸"),
         [](const World& w) {
             return w.PlayerGroupIndex == 6 && w.PlayerGroupName == "흑사파" &&
                    w.PlayerColor == 0xFF0000 && w.Year == 1935 && w.Month == 12 && w.Week == 4;
         }},
    };
    for (const Case& c : cases) {
        World w = base;
        const LoadResult result = ReadSaveText(c.text, w);
        ASSERT_EQ(result.state, SlotState::Game) << c.name << ": " << result.message;
        EXPECT_TRUE(c.holds(w)) << c.name;
    }
}

TEST(SavedGames, DamagedFilesAreRefusedAndLabelledSo) {
    const World base = GameUnderWay();
    const std::string good = EncodeCp949(SaveText(base)).value();
    struct Case {
        const char* name;
        std::function<void(const fs::path& slot)> make;
    };
    const Case cases[] = {
        {"bytes that are no CP949",
         [&](const fs::path& slot) {
             test::WriteFile(slot, good.substr(0, 40) + "\xFF\xFF" + good.substr(40));
         }},
        {"a 5 MB line",
         [&](const fs::path& slot) { test::WriteFile(slot, good + std::string(5 << 20, '7')); }},
        {"a UTF-8 file", [&](const fs::path& slot) { test::WriteFile(slot, SaveText(base)); }},
        {"a folder", [](const fs::path& slot) { fs::create_directory(slot); }},
        {"zero bytes",
         [&](const fs::path& slot) { test::WriteFile(slot, std::string(100, '\0')); }},
    };
    for (const Case& c : cases) {
        test::TempFolder folder;
        c.make(SlotPath(folder.path(), 4));
        World w = test::BlankWorld();
        const World before = w;
        const LoadResult result = LoadGame(w, folder.path(), 4);
        EXPECT_EQ(result.state, SlotState::Damaged) << c.name;
        EXPECT_FALSE(result.message.empty()) << c.name;
        EXPECT_EQ(w, before) << c.name;
        EXPECT_EQ(SlotLabel(folder.path(), 4, w), "손상된 파일") << c.name;
    }
}

// Truncated and garbled copies of a real save: each one either loads as a sound game or is
// refused without touching the running world. None may crash the loader.
TEST(SavedGames, GarbledSlotsNeverHalfLoad) {
    const World saved = GameUnderWay();
    const std::string good = EncodeCp949(SaveText(saved)).value();
    const std::vector<std::string> variants = test::GarbledSlots(good);

    World base = ShippedWorld();
    base.options.music = false;
    int refused = 0;
    for (std::size_t i = 0; i < variants.size(); ++i) {
        World w = base;
        const LoadResult result = ReadSaveBytes(variants[i], w);
        if (result.state != SlotState::Game) {
            ++refused;
            EXPECT_EQ(w, base) << "variant " << i;
            EXPECT_FALSE(result.message.empty()) << "variant " << i;
            continue;
        }
        // Whatever loads is a game that saves and loads again as itself.
        World again = base;
        ASSERT_EQ(ReadSaveText(SaveText(w), again).state, SlotState::Game) << "variant " << i;
        EXPECT_EQ(again, w) << "variant " << i;
    }
    // Most garbling must be caught, or the variants did not reach the checks.
    EXPECT_GT(refused, static_cast<int>(variants.size()) / 2);
}

TEST(SavedGames, AFailedSaveKeepsTheOldSlot) {
    const World old = GameUnderWay();
    struct Case {
        const char* name;
        std::function<void(World&)> spoil;  // a world that must not be written
    };
    const Case cases[] = {
        {"terminator inside a rank", [](World& w) { w.HumanRank[3] = "두˛목"; }},
        {"separator inside a gang name", [](World& w) { w.HumanGroup[3] = "거지¸파"; }},
        {"line break inside a rank", [](World& w) { w.HumanRank[3] = "두\r\n목"; }},
        {"a character CP949 lacks", [](World& w) { w.HumanRank[3] = "두목\u0E01"; }},
        {"a figure that is no number", [](World& w) { w.CityMoney[2] = std::nan(""); }},
        {"a rank with blanks around it", [](World& w) { w.HumanRank[3] = " 두목"; }},
        {"an owner of no gang", [](World& w) { w.CityOwnerColor[2] = 1; }},
    };
    for (const Case& c : cases) {
        test::TempFolder folder;
        ASSERT_EQ(SaveGame(old, folder.path(), 1), std::nullopt);
        const std::string oldBytes = test::ReadFile(SlotPath(folder.path(), 1));
        World w = old;
        c.spoil(w);
        const std::optional<std::string> failure = SaveGame(w, folder.path(), 1);
        ASSERT_TRUE(failure.has_value()) << c.name;
        EXPECT_TRUE(failure->starts_with("save01.sav에 저장하지 못했습니다 (")) << *failure;
        EXPECT_EQ(test::ReadFile(SlotPath(folder.path(), 1)), oldBytes) << c.name;
        EXPECT_EQ(FilesIn(folder.path()), std::vector<std::string>{"save01.sav"}) << c.name;
    }
}

TEST(SavedGames, AWriteTheSystemRefusesLeavesNoTraceAndSaysWhy) {
    const World w = GameUnderWay();
    {
        // The slot's name is taken by a folder that holds something: the rename fails at the last
        // moment, after the whole game was written.
        test::TempFolder folder;
        fs::create_directory(SlotPath(folder.path(), 0));
        test::WriteFile(SlotPath(folder.path(), 0) / "keep.txt", "mine");
        const auto failure = SaveGame(w, folder.path(), 0);
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(*failure,
                  "save00.sav에 저장하지 못했습니다 (같은 이름의 폴더가 있습니다). 전에 저장된 "
                  "게임은 그대로 있습니다.");
        EXPECT_EQ(FilesIn(folder.path()), std::vector<std::string>{"save00.sav"});
        EXPECT_EQ(test::ReadFile(SlotPath(folder.path(), 0) / "keep.txt"), "mine");
    }
    {
        test::TempFolder folder;
        const auto failure = SaveGame(w, folder.path() / "gone", 0);
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(*failure,
                  "save00.sav에 저장하지 못했습니다 (저장 폴더가 없습니다). 전에 저장된 게임은 "
                  "그대로 있습니다.");
        EXPECT_FALSE(fs::exists(folder.path() / "gone"));
    }
}

TEST(SavedGames, SavingOverASlotReplacesItWhole) {
    test::TempFolder folder;
    World first = GameUnderWay();
    ASSERT_EQ(SaveGame(first, folder.path(), 0), std::nullopt);
    World second = ShippedWorld();
    ASSERT_EQ(SaveGame(second, folder.path(), 0), std::nullopt);
    EXPECT_EQ(test::ReadFile(SlotPath(folder.path(), 0)), EncodeCp949(SaveText(second)).value());
    EXPECT_EQ(SlotLabel(folder.path(), 0, first), "1930년 1월 1주 거지파");
    EXPECT_EQ(FilesIn(folder.path()), std::vector<std::string>{"save00.sav"});
}

TEST(SavedGames, TwoCopiesSavingIntoOneSlotNeverLeaveHalfAGame) {
    // Two copies of the game, started side by side on one player's data folder, save into the
    // same slot over and over while a third reads it: every read finds one whole game or the
    // other, and nothing but the slot is left behind.
    test::TempFolder folder;
    const World worlds[] = {GameUnderWay(), ShippedWorld()};
    const std::string bytes[] = {EncodeCp949(SaveText(worlds[0])).value(),
                                 EncodeCp949(SaveText(worlds[1])).value()};
    ASSERT_NE(bytes[0], bytes[1]);
    constexpr int kSaves = 60;
    pid_t writers[2] = {};
    for (int n = 0; n < 2; ++n) {
        writers[n] = fork();
        ASSERT_GE(writers[n], 0);
        if (writers[n] == 0) {
            int failed = 0;
            for (int i = 0; i < kSaves; ++i)
                failed += SaveGame(worlds[n], folder.path(), 2) ? 1 : 0;
            _exit(failed == 0 ? 0 : 1);
        }
    }
    int reads = 0;
    int torn = 0;
    int running = 2;
    while (running > 0) {
        const fs::path slot = SlotPath(folder.path(), 2);
        if (fs::exists(slot)) {
            const std::string seen = test::ReadFile(slot);
            ++reads;
            if (seen != bytes[0] && seen != bytes[1]) ++torn;
        }
        for (pid_t& writer : writers) {
            int status = 0;
            if (writer > 0 && waitpid(writer, &status, WNOHANG) == writer) {
                EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a save failed";
                writer = 0;
                --running;
            }
        }
    }
    EXPECT_EQ(torn, 0) << "of " << reads << " reads";
    const std::string last = test::ReadFile(SlotPath(folder.path(), 2));
    EXPECT_TRUE(last == bytes[0] || last == bytes[1]);
    World loaded = ShippedWorld();
    EXPECT_EQ(LoadGame(loaded, folder.path(), 2).state, SlotState::Game);
    EXPECT_EQ(FilesIn(folder.path()), std::vector<std::string>{"save02.sav"});
}

}  // namespace
}  // namespace golmok

namespace golmok {
namespace {

TEST(SavedGames, ASaveRemovesWhatKilledSavesLeftAndNothingElse) {
    // A process that has ended: the temporary files it named after itself are nobody's.
    const pid_t gone = fork();
    ASSERT_GE(gone, 0);
    if (gone == 0) _exit(0);
    ASSERT_EQ(waitpid(gone, nullptr, 0), gone);
    const std::string dead = std::to_string(gone);

    test::TempFolder folder;
    struct File {
        std::string name;
        bool old;  // written two hours ago
        bool stays;
    };
    const File files[] = {
        {"save01.sav." + dead + "-3.tmp", false, false},
        {"save04.sav." + dead + "-12.tmp", false, false},
        // The autosave slot and the chronicles are written the same way.
        {"autosave.sav." + dead + "-2.tmp", false, false},
        {"save02.chronicle." + dead + "-5.tmp", false, false},
        {"autosave.chronicle." + dead + "-6.tmp", false, false},
        {"save02.chronicle.x" + dead + "-5.tmp", false, true},
        // Process 1 runs as long as the system does: another copy of the game saving right now.
        {"save02.sav.1-0.tmp", false, true},
        {"save03.sav.1-7.tmp", true, false},  // an hour is longer than any save takes
        {"save01.sav", false, true},
        {"save09.sav." + dead + "-1.tmp", false, true},
        {"save01.sav." + dead + "-x.tmp", false, true},
        {"save01.sav." + dead + ".tmp", false, true},
        {"notes.tmp", false, true},
        {"hn.dat", true, true},
    };
    for (const File& f : files) {
        test::WriteFile(folder.path() / f.name, "x");
        if (f.old) {
            fs::last_write_time(folder.path() / f.name,
                                fs::file_time_type::clock::now() - std::chrono::hours(2));
        }
    }
    ASSERT_EQ(SaveGame(GameUnderWay(), folder.path(), 0), std::nullopt);
    std::vector<std::string> expected = {"save00.sav"};
    for (const File& f : files) {
        if (f.stays) expected.push_back(f.name);
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(FilesIn(folder.path()), expected);
}

TEST(SavedGames, AFileSizeLimitIsReportedNotFatal) {
    test::TempFolder folder;
    const World w = GameUnderWay();
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        IgnoreFileSizeSignal();
        const rlimit limit{4096, 4096};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(3);
        const std::optional<std::string> failure = SaveGame(w, folder.path(), 0);
        _exit(failure && failure->find("파일 크기 제한") != std::string::npos ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(FilesIn(folder.path()), std::vector<std::string>{});
}

TEST(SavedGames, TheSystemsReasonsAreSaidInKorean) {
    for (int error : {ENOSPC, EDQUOT, EACCES, EPERM, EROFS, EISDIR, ENOENT, ENOTDIR, EFBIG, EIO}) {
        const std::string text = SystemErrorText(error);
        EXPECT_FALSE(text.empty()) << error;
        EXPECT_EQ(std::find_if(text.begin(), text.end(),
                               [](char c) { return std::isalpha(static_cast<unsigned char>(c)); }),
                  text.end())
            << error << ": " << text;
    }
}

}  // namespace
}  // namespace golmok
