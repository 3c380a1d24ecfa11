// The options of the windows from one start to the next: QSettings writes the settings file of
// world/Settings.h in its INI format, and the core's reader (ReadSettingsFile) reads it back at
// start-up, for the windows as for `golmok-console --settings`.
#pragma once

#include <filesystem>

#include "world/World.h"

namespace golmok::screens {

// Writes the options and fight mode in force; an empty path writes nothing. Returns false when
// the file could not be written.
bool StoreSettings(const std::filesystem::path& file, const World& world);

}  // namespace golmok::screens
