// Small worlds for tests: the map's districts and gangs, and 194 people who stand nowhere until a
// test places them.
#pragma once

#include <filesystem>
#include <string>

#include "commands/MenuState.h"
#include "world/World.h"

namespace golmok::test {

// Every district and gang as on the map (owners as at the start, figures 0, hostility 75); people
// named "사람0".."사람193" in no district and no gang, rank "조장", attack and defence 0, loyalty
// and morale 100, able to act, armed with sticks. The player leads gang 0.
World BlankWorld();

// Puts person `human` into district `city` as a member of gang `group`, with the given attack and
// defence (full stamina follows) and leadership (members follow).
void Place(World& world, int human, int city, int group, double attack = 40, double defence = 40,
           double leadership = 30);

// The blank world with every district held by `people` people of its owner who lead nobody and
// have no stamina: they fill the tallies but are never picked to fight. District c holds people
// c × `people` .. c × `people` + `people` - 1.
World GarrisonedWorld(int people);

// A world and the command menu open on one of its districts, as the session holds them side by
// side; a test takes both apart with `auto [w, m] = ...`.
struct MenuWorld {
    World world;
    MenuState menu;
};

// The folder of the shipped record files.
std::filesystem::path ShippedData();

// A fresh empty folder under the system's temporary folder, removed with the object.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// Writes bytes to a file.
void WriteFile(const std::filesystem::path& path, const std::string& bytes);
std::string ReadFile(const std::filesystem::path& path);

}  // namespace golmok::test
