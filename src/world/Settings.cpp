#include "world/Settings.h"

#include <sys/stat.h>

#include <cerrno>
#include <system_error>

#include "world/FileSystem.h"
#include "world/SlotFolder.h"
#include "world/SmallFiles.h"

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
    if (file.empty()) return;
    const SmallFile read = ReadSmallFile(file, kMaxSettingsBytes);
    if (read.state != SmallFile::State::Read) return;
    Settings settings{world.options, world.BattleMode};
    ReadSettings(read.bytes, settings);
    world.options = settings.options;
    world.BattleMode = settings.battleMode;
}

std::string SettingsText(const World& world) {
    std::string text = "[";
    text += kSettingsSection;
    text += "]\n";
    for (const OptionSetting& option : kOptionSettings) {
        text += option.key;
        text += world.options.*option.member ? "=true\n" : "=false\n";
    }
    text += kBattleModeKey;
    text += '=';
    text += BattleModeName(world.BattleMode);
    text += '\n';
    return text;
}

std::optional<std::string> WriteSettingsFile(const std::filesystem::path& file,
                                             const World& world) {
    if (file.empty()) return std::nullopt;
    const auto failed = [&file](const std::string& why) {
        return "설정 파일 " + file.string() + "에 옵션을 저장하지 못했습니다 (" + why +
               "). 바꾼 옵션은 이번 실행에만 적용됩니다.";
    };
    std::error_code made;
    std::filesystem::create_directories(file.parent_path(), made);
    if (made) {
        std::error_code ignored;
        const bool fileInTheWay = std::filesystem::exists(file.parent_path(), ignored);
        return failed(fileInTheWay ? std::string("설정 폴더 자리에 같은 이름의 파일이 있습니다")
                                   : SystemErrorText(made.value()));
    }
    struct stat info {};
    if (::lstat(file.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        return failed(S_ISDIR(info.st_mode) ? "파일이 아니라 폴더입니다" : "보통 파일이 아닙니다");
    }
    if (const int error = WriteWhole(SystemFiles(), file, SettingsText(world)); error != 0) {
        return failed(error == EACCES || error == EPERM ? "폴더에 쓸 권한이 없습니다"
                                                        : SystemErrorText(error));
    }
    return std::nullopt;
}

std::optional<std::string> SettingsKeeper::Store(const std::filesystem::path& file,
                                                 const World& world) {
    std::optional<std::string> failure = WriteSettingsFile(file, world);
    if (!failure || told_) return std::nullopt;
    told_ = true;
    return failure;
}

}  // namespace golmok
