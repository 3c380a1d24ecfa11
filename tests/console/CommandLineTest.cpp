// golmok-console's own command line: --help and --version answer and end, anything it does not
// know is refused with status 2 before the world is built, [--dir DIR] [SCRIPT] plays in either
// order, and start-up failures say which program, which folder and why.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "console/Console.h"
#include "game/About.h"
#include "support/TestWorld.h"
#include "world/RecordFiles.h"
#include "world/Settings.h"

namespace golmok {
namespace {

namespace fs = std::filesystem;

struct ConsoleRun {
    int status;
    std::string out, err;
};

// The console on a game folder holding the shipped records and a two-line script; "DIR" and
// "SCRIPT" in `args` stand for them, "FOLDER" for the folder itself wherever it appears in a word.
ConsoleRun RunConsole(std::vector<std::string> args, const std::string& input = "",
                      const std::string& script = "new-game 0\nshow game\n") {
    test::TempFolder folder;
    for (const RecordFileInfo& file : RecordFiles()) {
        fs::copy_file(test::ShippedData() / file.name, folder.path() / file.name);
    }
    const fs::path scriptFile = folder.path() / "start.script";
    test::WriteFile(scriptFile, script);
    for (std::string& arg : args) {
        if (arg == "DIR") arg = folder.path().string();
        if (arg == "SCRIPT") arg = scriptFile.string();
        if (const auto at = arg.find("FOLDER"); at != std::string::npos) {
            arg.replace(at, 6, folder.path().string());
        }
    }
    std::istringstream in(input);
    std::ostringstream out, err;
    // No records beside the "executable": only --dir finds them.
    const int status = ConsoleMain(args, folder.path() / "nowhere", in, out, err);
    std::string errText = err.str();
    // The folder is a fresh temporary one each run: tests compare what stands around it.
    for (auto at = errText.find(folder.path().string()); at != std::string::npos;
         at = errText.find(folder.path().string())) {
        errText.replace(at, folder.path().string().size(), "FOLDER");
    }
    return {status, out.str(), errText};
}

constexpr const char* kUsage = "사용법: golmok-console [--dir 폴더] [--settings] [스크립트 | -]\n";

TEST(ConsoleCommandLine, HelpAndVersionAnswerAndEnd) {
    struct Case {
        std::vector<std::string> args;
        std::string printed;
    };
    const Case cases[] = {
        {{"--help"}, kUsage},
        {{"-h"}, kUsage},
        {{"--dir", "DIR", "SCRIPT", "--help"}, "  --dir 폴더, --dir=폴더  "},
        {{"--help"}, "  --settings  "},
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

// --version in the GNU form: name and version alone on the first line, then the copyright, the
// licences and no warranty; --help ends with where to report faults.
TEST(ConsoleCommandLine, VersionAndHelpFollowTheGnuConventions) {
    const ConsoleRun version = RunConsole({"--version"});
    EXPECT_EQ(version.out.substr(0, version.out.find('\n')), "golmok-console " GOLMOK_TEST_VERSION);
    for (const char* line : {"\nCopyright (C) 2026 golmok developers\n", "GPLv3+", "CC BY-SA 4.0",
                             "\n법이 허락하는 데까지 어떤 보증도 없습니다.\n"}) {
        EXPECT_NE(version.out.find(line), std::string::npos) << line;
    }
    const ConsoleRun help = RunConsole({"--help"});
    const std::string tail = "\n\n" + std::string(kReportFaults);
    ASSERT_GE(help.out.size(), tail.size());
    EXPECT_EQ(help.out.substr(help.out.size() - tail.size()), tail) << help.out;
    EXPECT_NE(tail.find("dpkg -s golmok"), std::string::npos);
}

TEST(ConsoleCommandLine, RefusesWhatItDoesNotKnowWithStatusTwo) {
    struct Case {
        std::vector<std::string> args;
        std::string why;
    };
    const Case cases[] = {
        {{"--fast"}, "알 수 없는 옵션입니다: --fast"},
        {{"--dir", "DIR", "-x", "SCRIPT"}, "알 수 없는 옵션입니다: -x"},
        {{"SCRIPT", "--dir"}, "--dir 뒤에 폴더를 적어야 합니다."},
        {{"--dir=", "SCRIPT"}, "--dir 뒤에 폴더를 적어야 합니다."},
        {{"--dir", "DIR", "SCRIPT", "SCRIPT"}, "스크립트는 하나만 적을 수 있습니다"},
        {{"SCRIPT", "-"}, "스크립트는 하나만 적을 수 있습니다: -"},
        // After -- a word is a script even when it looks like an option: here one too many.
        {{"--dir", "DIR", "SCRIPT", "--", "--help"}, "스크립트는 하나만 적을 수 있습니다: --help"},
    };
    for (const Case& c : cases) {
        const ConsoleRun run = RunConsole(c.args);
        EXPECT_EQ(run.status, 2) << c.why;
        EXPECT_EQ(run.out, "") << c.why;
        EXPECT_EQ(run.err.rfind("golmok-console: " + c.why, 0), 0u) << run.err;
        EXPECT_NE(run.err.find("'golmok-console --help'"), std::string::npos) << run.err;
    }
}

TEST(ConsoleCommandLine, DirAndScriptPlayInEveryAcceptedForm) {
    struct Case {
        std::vector<std::string> args;
        std::string input;
        std::string player;
    };
    const Case cases[] = {
        {{"--dir", "DIR", "SCRIPT"}, "", "player=0"},
        {{"SCRIPT", "--dir", "DIR"}, "", "player=0"},
        {{"--dir=FOLDER", "SCRIPT"}, "", "player=0"},
        {{"--dir", "DIR", "--", "SCRIPT"}, "", "player=0"},
        {{"--dir", "DIR"}, "new-game 3\nshow game\n", "player=3"},
        {{"--dir", "DIR", "-"}, "new-game 4\nshow game\n", "player=4"},
        {{"--dir=FOLDER", "--", "-"}, "new-game 5\nshow game\n", "player=5"},
    };
    for (const Case& c : cases) {
        const ConsoleRun run = RunConsole(c.args, c.input);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_NE(run.out.find("game year=1930 month=1 week=1 " + c.player), std::string::npos)
            << run.out;
    }
}

// Start-up failures name the program, the folder and the cause, in Korean, and end with status 2
// before any line is read.
TEST(ConsoleCommandLine, StartUpFailuresSayWhereAndWhy) {
    struct Case {
        std::vector<std::string> args;
        std::string err;
    };
    const Case cases[] = {
        {{"--dir", "DIR", "FOLDER/missing.script"},
         "golmok-console: 스크립트 FOLDER/missing.script을(를) 열 수 없습니다: 파일이 없습니다\n"},
        {{"--dir", "DIR", "FOLDER"},
         "golmok-console: 스크립트 FOLDER을(를) 열 수 없습니다: 파일이 아니라 폴더입니다\n"},
        {{"--dir", "FOLDER/empty", "SCRIPT"},
         "golmok-console: 게임 폴더 FOLDER/empty에서 게임을 시작할 수 없습니다: hn.dat: "
         "파일이 없습니다\n"},
    };
    for (const Case& c : cases) {
        const ConsoleRun run = RunConsole(c.args, "new-game 0\n");
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, c.err);
    }
}

// `help` lists every verb the console knows, one line each, and nothing it does not know.
TEST(ConsoleCommandLine, HelpListsEveryVerbOnce) {
    const ConsoleRun run = RunConsole({"--dir", "DIR", "-"}, "help\n");
    EXPECT_EQ(run.status, 0) << run.out;
    std::vector<std::string> listed;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_NE(line.find(" — "), std::string::npos) << line;
        listed.push_back(line.substr(0, line.find(' ')));
    }
    EXPECT_EQ(listed, HelpVerbNames());
    Session session(World{});
    std::ostringstream out;
    const Console console(session, out, "");
    std::vector<std::string> sorted = listed;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, console.VerbNames());
}

// The console plays with its own defaults unless --settings asks for the windows' options.
TEST(ConsoleCommandLine, SettingsOnlyWhenAsked) {
    test::TempFolder config;
    const fs::path file = config.path() / "golmok" / "golmok.ini";
    fs::create_directories(file.parent_path());
    test::WriteFile(file, "[options]\nnotices=true\nautosave=true\ntruce=true\nbattle=Real\n");
    const char* before = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = before != nullptr ? before : "";
    ::setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
    const std::string script = "new-game 0\nshow game\n";
    const ConsoleRun plain = RunConsole({"--dir", "DIR", "SCRIPT"}, "", script);
    const ConsoleRun asked = RunConsole({"--settings", "--dir", "DIR", "SCRIPT"}, "", script);
    if (before != nullptr) {
        ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    } else {
        ::unsetenv("XDG_CONFIG_HOME");
    }
    EXPECT_NE(plain.out.find("battlemode=Turn"), std::string::npos) << plain.out;
    EXPECT_NE(asked.out.find("battlemode=Real"), std::string::npos) << asked.out;
    EXPECT_EQ(asked.status, 0) << asked.err;
}

}  // namespace
}  // namespace golmok
