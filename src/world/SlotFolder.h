// Where the game finds its files and keeps its five save slots.
//
// A game played from its build tree or from a copy unpacked anywhere reads its record files,
// theme.wav and guide.html beside the program. An installed game has no record files beside its
// program (it lies in games/ or bin/ under a prefix such as /usr): it reads them from its data
// folder, <prefix>/share/golmok. Either way the slots live in the player's own data folder
// ($XDG_DATA_HOME/golmok, by default ~/.local/share/golmok), the windows and the console alike, so
// that a game saved in one loads in the other and cleaning a build tree never deletes a game.
// `--dir` names the one folder for both, for tests, portable copies and players who want their
// game elsewhere.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace golmok {

struct GameFolders {
    std::filesystem::path records;  // the sixteen record files, theme.wav, guide.html
    std::filesystem::path saves;    // the five slots, save00.sav .. save04.sav

    bool operator==(const GameFolders&) const = default;
};

// What the choice depends on, gathered by FindGameFolders from the running system.
struct FolderFacts {
    std::filesystem::path dirOption;            // from --dir; empty when not given
    std::filesystem::path programFolder;        // the folder of the running program
    std::filesystem::path installedDataFolder;  // <prefix>/share/golmok of the build's install
    std::string xdgDataHome;                    // $XDG_DATA_HOME; empty when unset
    std::string home;                           // $HOME; empty when unset
    // Whether a folder holds the record files.
    std::function<bool(const std::filesystem::path&)> holdsRecords;
};

GameFolders ChooseGameFolders(const FolderFacts& facts);

// A folder of the desktop's base directories: `xdgValue` (the value of $XDG_..._HOME) when it is
// absolute, else `home`/`homeRelative` when `home` is absolute; empty otherwise. A relative
// $XDG_..._HOME is invalid and to be ignored, as the desktop's own programs do.
std::filesystem::path XdgBaseFolder(const std::string& xdgValue, const std::string& home,
                                    const std::filesystem::path& homeRelative);

// The value of an environment variable; empty when it is unset.
std::string EnvironmentVariable(const char* name);

// The player's data folder of the game: $XDG_DATA_HOME/golmok, else $HOME/.local/share/golmok;
// empty when neither names an absolute folder.
std::filesystem::path UserDataFolder(const std::string& xdgDataHome, const std::string& home);

// ChooseGameFolders on the facts of this process: its environment, the file system, and the data
// folder this build installs into. `dirOption` may be empty.
GameFolders FindGameFolders(const std::filesystem::path& dirOption,
                            const std::filesystem::path& programFolder);

}  // namespace golmok
