#include "world/Settings.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace golmok {

namespace {

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

void ReadSetting(std::string_view key, std::string_view value, Settings& settings) {
    if (key == kBattleModeKey) {
        if (value == BattleModeName(BattleMode::Turn)) settings.battleMode = BattleMode::Turn;
        if (value == BattleModeName(BattleMode::Real)) settings.battleMode = BattleMode::Real;
        return;
    }
    for (const OptionSetting& option : kOptionSettings) {
        if (key != option.key) continue;
        if (value == "true") settings.options.*option.member = true;
        if (value == "false") settings.options.*option.member = false;
    }
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);  // NOLINT(concurrency-mt-unsafe): read once at start
    return value != nullptr ? value : "";
}

}  // namespace

std::filesystem::path SettingsFile(const std::string& xdgConfigHome, const std::string& home) {
    // A relative $XDG_CONFIG_HOME is invalid and to be ignored, as the desktop's own programs do.
    const std::filesystem::path xdg = xdgConfigHome;
    if (xdg.is_absolute()) return xdg / "golmok" / "golmok.ini";
    const std::filesystem::path homeFolder = home;
    if (homeFolder.is_absolute()) return homeFolder / ".config" / "golmok" / "golmok.ini";
    return {};
}

std::filesystem::path SettingsFile() {
    return SettingsFile(Environment("XDG_CONFIG_HOME"), Environment("HOME"));
}

void ReadSettings(std::string_view text, Settings& settings) {
    bool inSection = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = Trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.starts_with('[')) {
            inSection = line == "[" + std::string(kSettingsSection) + "]";
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inSection || equals == std::string_view::npos) continue;
        ReadSetting(Trimmed(line.substr(0, equals)), Trimmed(line.substr(equals + 1)), settings);
    }
}

void ReadSettingsFile(const std::filesystem::path& file, World& world) {
    std::ifstream in(file);
    if (file.empty() || !in) return;
    std::ostringstream text;
    text << in.rdbuf();
    Settings settings{world.options, world.BattleMode};
    ReadSettings(text.str(), settings);
    world.options = settings.options;
    world.BattleMode = settings.battleMode;
}

}  // namespace golmok
