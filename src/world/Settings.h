// The player's settings: the map's options and the fight mode. The windows keep them from one
// start to the next in an INI file (in the INI format Qt's QSettings reads and writes); the
// console reads the same file only when asked (`--settings`), so that a script plays alike on
// every machine. The file is read as the game's other small files are: never so that it could
// block (a FIFO) or without a bound (a link to /dev/zero, a huge file), and written whole beside
// itself and renamed into place.
//
// The file: $XDG_CONFIG_HOME/golmok/golmok.ini (by default ~/.config/golmok/golmok.ini)
//
//     [options]
//     notices=false
//     battle=Turn
//     ...
#pragma once

#include <cstdint>
#include <filesystem>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "world/World.h"

namespace golmok {

// One check item of the map's options as the settings file names it.
struct OptionSetting {
    const char* key;  // under [options]; the value is true or false
    bool Options::*member;
};

// Every field of Options, one line each: a new option is one more line here.
inline constexpr OptionSetting kOptionSettings[] = {
    {"notices", &Options::notices},
    {"healthBars", &Options::healthBars},
    {"music", &Options::music},
    {"autosave", &Options::autosave},
    {"news", &Options::news},
    {"truce", &Options::truce},
    {"strongGangs", &Options::strongGangs},
    {"living", &Options::living},
    {"preview", &Options::preview},
    {"forecast", &Options::forecast},
};
// An option left out of the table would be forgotten at every start without a word.
static_assert(sizeof(Options) == std::size(kOptionSettings) * sizeof(bool),
              "every field of Options needs its line in kOptionSettings");

inline constexpr const char* kSettingsSection = "options";
inline constexpr const char* kBattleModeKey = "battle";  // Turn or Real, as BattleModeName

// What the settings file holds.
struct Settings {
    Options options;
    BattleMode battleMode = BattleMode::Turn;
    bool operator==(const Settings&) const = default;
};

// $XDG_CONFIG_HOME/golmok/golmok.ini, else $HOME/.config/golmok/golmok.ini; empty when neither
// names an absolute folder.
std::filesystem::path SettingsFile(const std::string& xdgConfigHome, const std::string& home);
// SettingsFile on this process's environment.
std::filesystem::path SettingsFile();

// Reads the [options] section of an INI text as QSettings writes it over `settings`: a key it does
// not know, a value it cannot read and a setting the text leaves out keep what `settings` held.
void ReadSettings(std::string_view text, Settings& settings);

// No settings file of ours comes near this size.
inline constexpr std::uintmax_t kMaxSettingsBytes = 64 * 1024;

// ReadSettings on the file into the world's options and fight mode. A file that is not there, or
// cannot be read, changes nothing: the defaults stand.
void ReadSettingsFile(const std::filesystem::path& file, World& world);

// The settings file's text for the world's options and fight mode.
std::string SettingsText(const World& world);

// Writes the settings file (its folder is made if missing); an empty path writes nothing. Nothing
// is replaced that is not a regular file. Returns nothing, or the message naming the file and why
// it could not be written (the options still hold for this run).
std::optional<std::string> WriteSettingsFile(const std::filesystem::path& file, const World& world);

// The settings of one run: a file that cannot be written is told once, not at every click.
class SettingsKeeper {
  public:
    // WriteSettingsFile; the message only the first time it fails in this run.
    std::optional<std::string> Store(const std::filesystem::path& file, const World& world);

  private:
    bool told_ = false;
};

}  // namespace golmok
