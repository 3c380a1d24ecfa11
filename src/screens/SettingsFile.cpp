#include "screens/SettingsFile.h"

#include <QSettings>
#include <QString>

#include "world/Settings.h"

namespace golmok::screens {

namespace {

QString Key(const char* name) {
    return QStringLiteral("%1/%2").arg(kSettingsSection, name);
}

}  // namespace

bool StoreSettings(const std::filesystem::path& file, const World& world) {
    if (file.empty()) return true;
    QSettings settings(QString::fromStdString(file.string()), QSettings::IniFormat);
    for (const OptionSetting& option : kOptionSettings)
        settings.setValue(Key(option.key), world.options.*option.member);
    settings.setValue(Key(kBattleModeKey), BattleModeName(world.BattleMode));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace golmok::screens
