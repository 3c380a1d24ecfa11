// Building the world for a new game from the record files in a folder.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "world/World.h"

namespace golmok {

// Throws RecordFileError when a record file is missing or cannot make a world, including when
// cn.dat or gn.dat do not list the districts and gangs of the map in their order, and when the
// world could not be saved (a person's gang that is no gang, a figure no game can hold).
World BuildNewWorld(const std::filesystem::path& folder);

// BuildNewWorld for the programs' start-up: whatever goes wrong (any exception of the reading
// included) sets `error` to one line naming the file, and an empty world is returned.
World BuildStartWorld(const std::filesystem::path& folder, std::string& error);

// The line a program prints on standard error when BuildStartWorld failed: the program, the
// folder it read and the cause, in Korean as the game speaks.
std::string StartUpError(std::string_view program, const std::filesystem::path& folder,
                         const std::string& cause);

// The derived figures of one person: loyalty and morale 100, full stamina, members = leadership.
void DeriveHumanFields(World& world, int human);

// The group selection: the player leads gang `group` from now on.
void ChooseGroup(World& world, int group);

}  // namespace golmok
