// The save verbs in states a script cannot reach: a frozen map, a damaged slot file, a game killed
// and started again.
#include <gtest/gtest.h>

#include <sstream>

#include "console/Console.h"
#include "game/NewsFile.h"
#include "support/TestWorld.h"
#include "world/Chronicle.h"
#include "world/RecordFiles.h"
#include "world/SavedGames.h"

namespace golmok {
namespace {

struct ConsoleRun {
    test::TempFolder folder;
    Session session{test::BlankWorld()};
    std::ostringstream out;
    Console console{session, out, folder.path()};

    std::string Run(std::string_view line) {
        out.str("");
        console.RunLine(line);
        return out.str();
    }
};

TEST(SaveVerbs, AFrozenMapNeitherSavesNorLoads) {
    ConsoleRun run;
    run.session.StartNewGame(0);
    ASSERT_EQ(run.Run("save 0"), "");
    run.session.world().MapLocked = true;
    run.session.world().CityMoney[3] = 1;
    const World frozen = run.session.world();
    EXPECT_EQ(run.Run("save 1"), "error: the map is locked during a fight\n");
    EXPECT_EQ(run.Run("load 0"), "error: the map is locked during a fight\n");
    EXPECT_EQ(run.session.world(), frozen);
    EXPECT_FALSE(std::filesystem::exists(SlotPath(run.folder.path(), 1)));
}

TEST(SaveVerbs, ADamagedSlotIsOneMessageAndTheGameGoesOn) {
    ConsoleRun run;
    run.session.StartNewGame(2);
    run.session.world().CityMoney[3] = 77;
    test::WriteFile(SlotPath(run.folder.path(), 3), " 1930\xA2\xAC 1\xA2\xAC");
    const World before = run.session.world();
    EXPECT_EQ(
        run.Run("load 3"),
        "message: 저장된 게임이 손상되어 불러올 수 없습니다 (블록이 4개가 아니라 0개입니다).\n");
    EXPECT_EQ(run.session.world(), before);
    EXPECT_TRUE(run.session.running());
    EXPECT_EQ(
        run.Run("slots"),
        "slot 0 비어있음\nslot 1 비어있음\nslot 2 비어있음\nslot 3 손상된 파일\nslot 4 비어있음\n");
}

TEST(SaveVerbs, AFailedSaveIsOneMessage) {
    ConsoleRun run;
    run.session.StartNewGame(0);
    std::filesystem::create_directory(SlotPath(run.folder.path(), 2));
    test::WriteFile(SlotPath(run.folder.path(), 2) / "x", "x");
    const std::string printed = run.Run("save 2");
    EXPECT_TRUE(printed.starts_with("message: save02.sav에 저장하지 못했습니다 (")) << printed;
    EXPECT_EQ(printed.find('\n'), printed.size() - 1) << printed;
}

// A whole run of golmok-console on the shipped records in `folder`: what it printed.
std::string RunConsole(const test::TempFolder& folder, const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out, err;
    ConsoleMain({"--dir", folder.path().string()}, folder.path(), in, out, err);
    return out.str();
}

// A dump without the district tallies " count=N total=N" at the end of the city lines.
std::string WithoutTallies(const std::string& dump) {
    std::istringstream lines(dump);
    std::string kept;
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("city ")) line = line.substr(0, line.find(" count="));
        kept += line + '\n';
    }
    return kept;
}

TEST(SaveVerbs, AKilledGameResumesFromItsLastTurnEnd) {
    test::TempFolder folder;
    for (const RecordFileInfo& file : RecordFiles())
        std::filesystem::copy_file(test::ShippedData() / file.name, folder.path() / file.name);
    EXPECT_EQ(RunConsole(folder, "load auto\nnew-game 0\nsave auto\n"),
              "message: 빈 슬롯입니다. 불러올 게임이 없습니다.\n"
              "message: 도움말을 꼭 보십시오.\n"
              "error: the autosave slot cannot be saved over\n");

    // A console saves nothing unasked.
    RunConsole(folder, "new-game 3\nend-turn 2\n");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "autosave.sav"));
    // With autosave on, every turn end saves; the run then stops without quitting, as a killed
    // game does.
    const std::string played = RunConsole(folder,
                                          "new-game 3\nend-turn 2\noption autosave on\n"
                                          "end-turn 3\ndump\nmoney-up\n");
    ASSERT_TRUE(std::filesystem::exists(folder.path() / "autosave.sav"));
    std::string atTurnEnd = played.substr(played.find("game year="));
    atTurnEnd = atTurnEnd.substr(0, atTurnEnd.find("message: 돈이 올라갔습니다."));
    // A fresh console resumes from the last turn end: the money added after it is gone. The
    // district tallies (count, total) are no part of a saved game, in any slot: a loaded game
    // keeps those of the running world until the next turn end counts them again.
    const std::string resumed = RunConsole(folder, "load auto\ndump\n");
    EXPECT_EQ(WithoutTallies(resumed), WithoutTallies(atTurnEnd));
    EXPECT_TRUE(resumed.starts_with("game year=1930 month=2 week=2 ")) << resumed;
}

// A file beside the slot that cannot be read is a `message:` line at load, naming it and why; the
// game loads, and the file stays as it was.
TEST(SaveVerbs, AFileBesideTheSlotThatCannotBeReadIsToldAtLoad) {
    ConsoleRun run;
    run.session.StartNewGame(0);
    ASSERT_EQ(run.Run("save 2"), "");
    const auto slot = SlotPath(run.folder.path(), 2);
    const std::uint64_t fingerprint = SlotFingerprint(run.session.world());
    const auto chronicle = CompanionPath(slot, fingerprint, kChronicleExtension);
    const auto news = CompanionPath(slot, fingerprint, kNewsExtension);
    const std::string cut = test::ReadFile(news).substr(0, test::ReadFile(news).rfind("end"));
    test::WriteFile(news, cut);
    std::filesystem::remove(chronicle);
    std::filesystem::create_directory(chronicle);
    EXPECT_EQ(run.Run("load 2"),
              "message: 연대기 파일 " + chronicle.filename().string() +
                  "을(를) 읽을 수 없습니다 (파일이 아니라 폴더입니다). 그 파일은 그대로 두고, "
                  "연대기는 1930년 1월 1주부터 새로 시작합니다.\n"
                  "message: 이번 주 소식 파일 " +
                  news.filename().string() +
                  "을(를) 읽을 수 없습니다 (끝 표시가 없습니다: 잘린 파일입니다). 그 파일은 그대로 "
                  "둡니다.\n");
    EXPECT_TRUE(run.session.running());
    EXPECT_TRUE(std::filesystem::is_directory(chronicle));
    EXPECT_EQ(test::ReadFile(news), cut);
}

}  // namespace
}  // namespace golmok
