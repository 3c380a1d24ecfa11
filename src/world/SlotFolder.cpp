#include "world/SlotFolder.h"

#include <unistd.h>

#include <cstdlib>
#include <string_view>
#include <system_error>

#include "world/RecordFiles.h"

#ifndef GOLMOK_INSTALLED_DATA_DIR
#define GOLMOK_INSTALLED_DATA_DIR ""
#endif

namespace golmok {

namespace {

// Folders the system's package manager owns. Even where the player happens to be allowed to write
// in them (root, a live system), a save there would be lost on the next upgrade or mixed into
// every user's game.
constexpr std::string_view kSystemPrefixes[] = {"/usr", "/opt", "/bin", "/sbin", "/snap"};

bool UnderSystemPrefix(const std::filesystem::path& folder) {
    const std::filesystem::path normal = folder.lexically_normal();
    for (std::string_view prefix : kSystemPrefixes) {
        // Compare whole path elements: /usr/bin is under /usr, /usrlocal is not.
        const std::filesystem::path relative = normal.lexically_relative(prefix);
        if (!relative.empty() && *relative.begin() != "..") return true;
    }
    return false;
}

bool HoldsAllRecordFiles(const std::filesystem::path& folder) {
    std::error_code error;
    for (const RecordFileInfo& file : RecordFiles()) {
        if (!std::filesystem::is_regular_file(folder / file.name, error)) return false;
    }
    return true;
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);  // NOLINT(concurrency-mt-unsafe): read once at start
    return value != nullptr ? value : "";
}

}  // namespace

std::filesystem::path UserDataFolder(const std::string& xdgDataHome, const std::string& home) {
    // A relative $XDG_DATA_HOME is invalid and to be ignored, as the desktop's own programs do.
    const std::filesystem::path xdg = xdgDataHome;
    if (xdg.is_absolute()) return xdg / "golmok";
    const std::filesystem::path homeFolder = home;
    if (homeFolder.is_absolute()) return homeFolder / ".local" / "share" / "golmok";
    return {};
}

GameFolders ChooseGameFolders(const FolderFacts& facts) {
    if (!facts.dirOption.empty()) return {facts.dirOption, facts.dirOption};

    const std::filesystem::path userData = UserDataFolder(facts.xdgDataHome, facts.home);
    // A build tree or a portable copy: the record files lie beside the program. When they are
    // found nowhere, the program's folder is named too, so that the reader's error points there.
    const auto holds = [&](const std::filesystem::path& folder) {
        return !folder.empty() && facts.holdsRecords && facts.holdsRecords(folder);
    };
    const std::filesystem::path installedFolders[] = {
        // Installed under any prefix, even one moved after the build: bin/../share/golmok.
        (facts.programFolder / ".." / "share" / "golmok").lexically_normal(),
        facts.installedDataFolder,
    };
    if (!holds(facts.programFolder)) {
        for (const std::filesystem::path& folder : installedFolders) {
            if (holds(folder)) return {folder, userData.empty() ? facts.programFolder : userData};
        }
    }
    const bool ownFolder = facts.programFolderWritable && !UnderSystemPrefix(facts.programFolder);
    return {facts.programFolder, ownFolder || userData.empty() ? facts.programFolder : userData};
}

GameFolders FindGameFolders(const std::filesystem::path& dirOption,
                            const std::filesystem::path& programFolder) {
    FolderFacts facts;
    facts.dirOption = dirOption;
    facts.programFolder = programFolder;
    facts.programFolderWritable = ::access(programFolder.c_str(), W_OK) == 0;
    facts.installedDataFolder = GOLMOK_INSTALLED_DATA_DIR;
    facts.xdgDataHome = Environment("XDG_DATA_HOME");
    facts.home = Environment("HOME");
    facts.holdsRecords = HoldsAllRecordFiles;
    return ChooseGameFolders(facts);
}

}  // namespace golmok
