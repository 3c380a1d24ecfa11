#include "world/Settings.h"

#include <fstream>
#include <sstream>

#include "world/SlotFolder.h"

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

}  // namespace

std::filesystem::path SettingsFile(const std::string& xdgConfigHome, const std::string& home) {
    const std::filesystem::path base = XdgBaseFolder(xdgConfigHome, home, ".config");
    return base.empty() ? base : base / "golmok" / "golmok.ini";
}

std::filesystem::path SettingsFile() {
    return SettingsFile(EnvironmentVariable("XDG_CONFIG_HOME"), EnvironmentVariable("HOME"));
}

void ReadSettings(std::string_view text, Settings& settings) {
    bool inSection = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = Trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.starts_with('[')) {
            inSection = line.ends_with(']') && line.substr(1, line.size() - 2) == kSettingsSection;
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
