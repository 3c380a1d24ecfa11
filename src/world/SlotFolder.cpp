#include "world/SlotFolder.h"

#include <cstdlib>
#include <string_view>
#include <system_error>

#include "world/RecordFiles.h"

#ifndef GOLMOK_INSTALLED_DATA_DIR
#define GOLMOK_INSTALLED_DATA_DIR ""
#endif

namespace golmok {

namespace {

bool HoldsAllRecordFiles(const std::filesystem::path& folder) {
    std::error_code error;
    for (const RecordFileInfo& file : RecordFiles()) {
        if (!std::filesystem::is_regular_file(folder / file.name, error)) return false;
    }
    return true;
}

}  // namespace

std::filesystem::path XdgBaseFolder(const std::string& xdgValue, const std::string& home,
                                    const std::filesystem::path& homeRelative) {
    std::filesystem::path xdg = xdgValue;
    if (xdg.is_absolute()) return xdg;
    const std::filesystem::path homeFolder = home;
    if (homeFolder.is_absolute()) return homeFolder / homeRelative;
    return {};
}

std::string EnvironmentVariable(const char* name) {
    const char* value = std::getenv(name);  // NOLINT(concurrency-mt-unsafe): read once at start
    return value != nullptr ? value : "";
}

std::filesystem::path UserDataFolder(const std::string& xdgDataHome, const std::string& home) {
    const std::filesystem::path base = XdgBaseFolder(xdgDataHome, home, ".local/share");
    return base.empty() ? base : base / "golmok";
}

GameFolders ChooseGameFolders(const FolderFacts& facts) {
    if (!facts.dirOption.empty()) return {facts.dirOption, facts.dirOption};

    // The slots go to the player's data folder wherever the records lie: a build tree that is
    // cleaned, or a copy that is replaced by a newer one, never takes the player's games with it.
    // Only without any data folder (no $HOME) do they stay beside the program.
    const std::filesystem::path userData = UserDataFolder(facts.xdgDataHome, facts.home);
    const auto saves = [&](const std::filesystem::path& records) {
        return GameFolders{records, userData.empty() ? facts.programFolder : userData};
    };
    const auto holds = [&](const std::filesystem::path& folder) {
        return !folder.empty() && facts.holdsRecords && facts.holdsRecords(folder);
    };
    // A build tree or a portable copy: the record files lie beside the program. When they are
    // found nowhere, the program's folder is named, so that the reader's error points there.
    if (holds(facts.programFolder)) return saves(facts.programFolder);
    const std::filesystem::path installedFolders[] = {
        // Installed under any prefix, even one moved after the build: games/../share/golmok.
        (facts.programFolder / ".." / "share" / "golmok").lexically_normal(),
        facts.installedDataFolder,
    };
    for (const std::filesystem::path& folder : installedFolders) {
        if (holds(folder)) return saves(folder);
    }
    return saves(facts.programFolder);
}

GameFolders FindGameFolders(const std::filesystem::path& dirOption,
                            const std::filesystem::path& programFolder) {
    FolderFacts facts;
    facts.dirOption = dirOption;
    facts.programFolder = programFolder;
    facts.installedDataFolder = GOLMOK_INSTALLED_DATA_DIR;
    facts.xdgDataHome = EnvironmentVariable("XDG_DATA_HOME");
    facts.home = EnvironmentVariable("HOME");
    facts.holdsRecords = HoldsAllRecordFiles;
    return ChooseGameFolders(facts);
}

}  // namespace golmok
