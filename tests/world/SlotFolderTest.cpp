#include "world/SlotFolder.h"

#include <gtest/gtest.h>

#include <set>

#include "support/TestWorld.h"
#include "world/RecordFiles.h"

namespace golmok {
namespace {

namespace fs = std::filesystem;

TEST(GameFolders, RecordsFromTheProgramOrItsInstallSavesInThePlayersFolder) {
    const fs::path xdg = "/home/player/.xdg";
    const fs::path user = "/home/player/.xdg/golmok";
    struct Case {
        const char* what;
        const char* dirOption;
        const char* programFolder;
        std::set<fs::path> withRecords;  // the folders that hold the record files
        GameFolders expected;
    };
    const Case cases[] = {
        // Cleaning the build tree must not take the player's games with it.
        {"build tree", "", "/work/golmok/build/bin", {"/work/golmok/build/bin"},
         {"/work/golmok/build/bin", user}},
        {"portable copy", "", "/media/stick/golmok", {"/media/stick/golmok"},
         {"/media/stick/golmok", user}},
        {"installed in /usr/games", "", "/usr/games", {"/usr/share/golmok"},
         {"/usr/share/golmok", user}},
        {"installed into a home prefix the player owns", "", "/home/player/.local/bin",
         {"/home/player/.local/share/golmok"}, {"/home/player/.local/share/golmok", user}},
        {"an install moved to another prefix", "", "/srv/games/games",
         {"/srv/games/share/golmok", "/usr/local/share/golmok"}, {"/srv/games/share/golmok", user}},
        {"a program copied away from its install", "", "/home/player/bin",
         {"/usr/local/share/golmok"}, {"/usr/local/share/golmok", user}},
        {"records beside the program win over an install", "", "/home/player/golmok",
         {"/home/player/golmok", "/usr/local/share/golmok"}, {"/home/player/golmok", user}},
        {"no records anywhere: the reader names the program's folder", "", "/home/player/bin", {},
         {"/home/player/bin", user}},
        {"--dir beats a build tree", "/tmp/game", "/work/golmok/build/bin",
         {"/work/golmok/build/bin"}, {"/tmp/game", "/tmp/game"}},
        {"--dir beats an installed game", "/tmp/game", "/usr/games", {"/usr/share/golmok"},
         {"/tmp/game", "/tmp/game"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FolderFacts facts;
        facts.dirOption = c.dirOption;
        facts.programFolder = c.programFolder;
        facts.installedDataFolder = "/usr/local/share/golmok";
        facts.xdgDataHome = xdg.string();
        facts.home = "/home/player";
        facts.holdsRecords = [&](const fs::path& folder) { return c.withRecords.contains(folder); };
        EXPECT_EQ(ChooseGameFolders(facts), c.expected);
    }
}

TEST(GameFolders, ThePlayersDataFolderFollowsTheDesktopsRules) {
    struct Case {
        const char* xdg;
        const char* home;
        fs::path expected;
    };
    const Case cases[] = {
        {"/data/me", "/home/me", "/data/me/golmok"},
        {"", "/home/me", "/home/me/.local/share/golmok"},
        // A relative $XDG_DATA_HOME is invalid and ignored.
        {"data", "/home/me", "/home/me/.local/share/golmok"},
        {"", "", ""},
        {"", "relative", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.xdg) + " | " + c.home);
        EXPECT_EQ(UserDataFolder(c.xdg, c.home), c.expected);
    }
    // Without any data folder an installed game still has somewhere to name: its own folder,
    // where a save then fails with a message instead of landing in the working folder.
    FolderFacts facts;
    facts.programFolder = "/usr/games";
    facts.holdsRecords = [](const fs::path& folder) { return folder == "/usr/share/golmok"; };
    EXPECT_EQ(ChooseGameFolders(facts), (GameFolders{"/usr/share/golmok", "/usr/games"}));
}

TEST(GameFolders, AFolderHoldsTheRecordsOnlyWhenAllSixteenAreThere) {
    test::TempFolder program;
    for (const RecordFileInfo& file : RecordFiles()) {
        fs::copy_file(test::ShippedData() / file.name, program.path() / file.name);
    }
    EXPECT_EQ(FindGameFolders("", program.path()).records, program.path());

    // An install: bin/ holds the program, share/golmok the records; one file missing from bin/
    // is enough for the game to look for its install.
    const fs::path bin = program.path() / "bin";
    const fs::path share = program.path() / "share" / "golmok";
    fs::create_directories(bin);
    fs::create_directories(share);
    for (const RecordFileInfo& file : RecordFiles()) {
        fs::copy_file(program.path() / file.name, share / file.name);
        if (std::string_view(file.name) != "gf.dat")
            fs::copy_file(share / file.name, bin / file.name);
    }
    EXPECT_EQ(FindGameFolders("", bin).records, share);
    EXPECT_EQ(FindGameFolders("/elsewhere", bin), (GameFolders{"/elsewhere", "/elsewhere"}));
}

}  // namespace
}  // namespace golmok
