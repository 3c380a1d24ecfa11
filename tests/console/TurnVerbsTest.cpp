// end-turn and money-up on small worlds: where a run of turn ends stops, and what a locked map
// still allows.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string_view>

#include "console/Console.h"
#include "game/TurnNews.h"
#include "support/TestWorld.h"

namespace golmok {
namespace {

// The player (거지파) keeps only 관악 (12); every other district holds five people who never
// fight, but 영등포 (3) holds five fighters of 마적파 and 관악 two defenders unless `empty`.
World StartWorld(bool empty) {
    World w = test::BlankWorld();
    for (int c : {7, 20, 21})
        w.SetOwner(c, 6);
    for (int c = 0; c < kCityCount; ++c) {
        if (c == 3 || c == 12) continue;
        for (int i = 0; i < 5; ++i)
            test::Place(w, c * 5 + i, c, *w.OwnerOf(c), 0, 0, 0);
    }
    for (int h = 150; h < 155; ++h)
        test::Place(w, h, 3, 5, 100, 100, 100);
    if (!empty) {
        test::Place(w, 60, 12, 0, 40, 40, 50);
        test::Place(w, 61, 12, 0, 40, 40, 50);
    }
    return w;
}

// A console on a session started from `start`; Play runs lines until the game is over.
struct Game {
    explicit Game(World start) : session(std::move(start)) {}

    std::vector<Console::LineResult> Play(const std::vector<std::string>& lines) {
        std::vector<Console::LineResult> results;
        for (const std::string& line : lines) {
            results.push_back(console.RunLine(line));
            if (results.back() == Console::LineResult::GameOver) break;
        }
        return results;
    }

    Session session;
    std::ostringstream out;
    Console console{session, out, test::ShippedData()};
};

TEST(EndTurnVerb, StopsAtAnAnnouncedAttack) {
    Game game(StartWorld(false));
    const auto results = game.Play(
        {"new-game 0", "end-turn 5", "end-turn", "option music off", "money-up", "show game"});
    EXPECT_EQ(game.out.str(),
              "message: 도움말을 꼭 보십시오.\n"
              "message: 관악에 영등포이 맞짱까러 왔습니다.\n"
              "error: the map is locked during a fight\n"
              "error: the map is locked during a fight\n"
              "message: 돈이 올라갔습니다.\n"
              "game year=1930 month=1 week=2 player=0 playername=거지파 playercolor=33023 "
              "battlemode=Turn attackfrom=3 attackto=12 maplocked=True\n");
    EXPECT_EQ(game.session.world().CityMoney[12], 10000000);
    EXPECT_EQ(results[1], Console::LineResult::Done);
    EXPECT_EQ(results[2], Console::LineResult::Error);
}

TEST(EndTurnVerb, LastDistrictTakenSilentlyEndsTheGameOnce) {
    Game game(StartWorld(true));
    const auto results = game.Play({"new-game 0", "end-turn 10", "show game"});
    EXPECT_EQ(game.out.str(),
              "message: 도움말을 꼭 보십시오.\n"
              "message: 당신은 조직은 망했습니다.\n"
              "game over defeat\n");
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[1], Console::LineResult::GameOver);
    EXPECT_EQ(game.session.world().Week, 2);  // the first turn end took it
}

TEST(EndTurnVerb, RunsTheTurnsAskedFor) {
    // Nobody can attack: the date moves on three weeks.
    World quiet = StartWorld(false);
    for (int h = 150; h < 155; ++h)
        quiet.HumanCity[h] = kJoblessCity;
    Game game(quiet);
    game.Play({"new-game 0", "end-turn 3", "show game"});
    EXPECT_EQ(game.out.str(),
              "message: 도움말을 꼭 보십시오.\n"
              "game year=1930 month=1 week=4 player=0 playername=거지파 playercolor=33023 "
              "battlemode=Turn attackfrom=-1 attackto=-1 maplocked=False\n");
}

TEST(EndTurnVerb, RefusedWords) {
    Game game(StartWorld(false));
    const auto results =
        game.Play({"end-turn", "money-up", "new-game 0", "end-turn 0", "end-turn -2", "end-turn x",
                   "end-turn 1 2", "money-up 5", "show game"});
    ASSERT_EQ(results.size(), 9u);
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(results[i], i == 2 ? Console::LineResult::Done : Console::LineResult::Error) << i;
    }
    // Nothing moved.
    EXPECT_NE(game.out.str().find("game year=1930 month=1 week=1 "), std::string::npos)
        << game.out.str();
    EXPECT_EQ(game.session.world().CityMoney[12], 0);
}

// `news window` prints what the news window shows, after a turn end and after a load: 마적파's
// five walk from 영등포 into 영웅파's 동대문, emptied for them. A slot whose news was not kept
// beside it tells only that.
TEST(NewsVerb, PrintsTheNewsWindowsLines) {
    World start = StartWorld(false);
    for (int h = 5; h < 10; ++h)
        start.HumanCity[h] = kJoblessCity;
    test::TempFolder folder;
    Session session(start);
    std::ostringstream out;
    Console console(session, out, folder.path());
    auto run = [&](std::string_view line) {
        out.str("");
        const Console::LineResult result = console.RunLine(line);
        return (result == Console::LineResult::Error ? "(error) " : "") + out.str();
    };
    EXPECT_EQ(run("news window"), "(error) error: no game is running\n");
    run("new-game 0");
    const std::string quiet =
        "window 우리 조직 거지파 | 지역: 거지파 1, 지존파 4, 불사파 3, 영웅파 3, 종로파 3, "
        "마적파 4, 흑사파 7\n"
        "window 이번 주에는 별일이 없었습니다.\n";
    EXPECT_EQ(run("news window"), quiet);
    run("end-turn");
    const std::string week =
        "window 우리 조직 거지파 | 지역: 거지파 1, 지존파 4, 불사파 3, 영웅파 2 (-1), 종로파 3, "
        "마적파 5 (+1), 흑사파 7\n"
        "window 마적파가 비어 있던 영웅파의 동대문을 차지했습니다 (빈 곳).\n";
    EXPECT_EQ(run("news window"), week);
    for (const char* wrong : {"news windows", "news window 1"})
        EXPECT_EQ(run(wrong), "(error) error: usage: news [window]\n") << wrong;
    run("save 0");
    run("quit");
    run("load 0");
    EXPECT_EQ(run("news window"), week);
    std::filesystem::remove(folder.path() / "save00.news");
    run("load 0");
    EXPECT_EQ(run("news window"), std::string("window ") + kNewsNotSaved + "\n");
    EXPECT_EQ(run("news"), "");
}

}  // namespace
}  // namespace golmok
