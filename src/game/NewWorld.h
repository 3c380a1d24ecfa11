// Building the world for a new game from the record files in a folder.
#pragma once

#include <filesystem>

#include "world/World.h"

namespace golmok {

// Throws RecordFileError when a record file is missing or cannot make a world, including when
// cn.dat or gn.dat do not list the districts and gangs of the map in their order.
World BuildNewWorld(const std::filesystem::path& folder);

// The derived figures of one person: loyalty and morale 100, full stamina, members = leadership.
void DeriveHumanFields(World& world, int human);

// The group selection: the player leads gang `group` from now on.
void ChooseGroup(World& world, int group);

}  // namespace golmok
