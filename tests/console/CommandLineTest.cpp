// golmok-console's own command line: --help and --version answer and end, anything it does not
// know is refused with status 2 before the world is built, and [--dir DIR] [SCRIPT] plays as
// always, in either order.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "console/Console.h"
#include "support/TestWorld.h"
#include "world/RecordFiles.h"

namespace golmok {
namespace {

namespace fs = std::filesystem;

struct ConsoleRun {
    int status;
    std::string out, err;
};

// The console on a game folder holding the shipped records and a one-line script; "DIR" and
// "SCRIPT" in `args` stand for them.
ConsoleRun RunConsole(std::vector<std::string> args, const std::string& input = "") {
    test::TempFolder folder;
    for (const RecordFileInfo& file : RecordFiles()) {
        fs::copy_file(test::ShippedData() / file.name, folder.path() / file.name);
    }
    const fs::path script = folder.path() / "start.script";
    test::WriteFile(script, "new-game 0\nshow game\n");
    for (std::string& arg : args) {
        if (arg == "DIR") arg = folder.path().string();
        if (arg == "SCRIPT") arg = script.string();
    }
    std::istringstream in(input);
    std::ostringstream out, err;
    // No records beside the "executable": only --dir finds them.
    const int status = ConsoleMain(args, folder.path() / "nowhere", in, out, err);
    return {status, out.str(), err.str()};
}

TEST(ConsoleCommandLine, HelpAndVersionAnswerAndEnd) {
    struct Case {
        std::vector<std::string> args;
        std::string printed;
    };
    const Case cases[] = {
        {{"--help"}, "usage: golmok-console [--dir DIR] [SCRIPT]\n"},
        {{"-h"}, "usage: golmok-console [--dir DIR] [SCRIPT]\n"},
        {{"--dir", "DIR", "SCRIPT", "--help"}, "  --dir DIR "},
        {{"--version"}, "golmok-console " GOLMOK_TEST_VERSION "\n"},
        {{"-v"}, "golmok-console " GOLMOK_TEST_VERSION "\n"},
    };
    for (const Case& c : cases) {
        const ConsoleRun run = RunConsole(c.args);
        EXPECT_EQ(run.status, 0) << c.args.front();
        EXPECT_NE(run.out.find(c.printed), std::string::npos) << run.out;
        EXPECT_EQ(run.out.find("game year="), std::string::npos) << "no game is played";
        EXPECT_EQ(run.err, "");
    }
}

TEST(ConsoleCommandLine, RefusesWhatItDoesNotKnowWithStatusTwo) {
    struct Case {
        std::vector<std::string> args;
        std::string why;
    };
    const Case cases[] = {
        {{"--fast"}, "unknown option --fast"},
        {{"--dir", "DIR", "-x", "SCRIPT"}, "unknown option -x"},
        {{"SCRIPT", "--dir"}, "--dir needs a folder"},
        {{"--dir", "DIR", "SCRIPT", "SCRIPT"}, "one script only"},
    };
    for (const Case& c : cases) {
        const ConsoleRun run = RunConsole(c.args);
        EXPECT_EQ(run.status, 2) << c.why;
        EXPECT_EQ(run.out, "") << c.why;
        EXPECT_NE(run.err.find(c.why), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("usage: golmok-console [--dir DIR] [SCRIPT]"), std::string::npos);
    }
}

TEST(ConsoleCommandLine, DirAndScriptPlayInEitherOrderOrFromStandardInput) {
    const std::vector<std::vector<std::string>> orders = {{"--dir", "DIR", "SCRIPT"},
                                                          {"SCRIPT", "--dir", "DIR"}};
    for (const auto& args : orders) {
        const ConsoleRun run = RunConsole(args);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.out.find("game year=1930 month=1 week=1 player=0"), std::string::npos)
            << run.out;
    }
    const ConsoleRun typed = RunConsole({"--dir", "DIR"}, "new-game 3\nshow game\n");
    EXPECT_EQ(typed.status, 0) << typed.err;
    EXPECT_NE(typed.out.find("player=3"), std::string::npos) << typed.out;
}

}  // namespace
}  // namespace golmok
