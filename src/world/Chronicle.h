// The chronicle of a game: how many districts each gang held, week by week. The map draws it as a
// chart; a saved game keeps it in a file of its own beside its slot (save00.sav has
// save00.chronicle), so that the slot itself stays exactly as it always was.
//
// The file is UTF-8 text, one line a week:
//   golmok-chronicle 1 PLAYER
//   YEAR MONTH WEEK D0 D1 D2 D3 D4 D5 D6
// PLAYER is the player's gang index, D0..D6 the districts held by gangs 0..6.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "world/World.h"

namespace golmok {

struct ChronicleWeek {
    int year = 0;
    int month = 0;
    int week = 0;
    GroupTable<int> districts{};  // districts held by each gang at the end of the week

    bool operator==(const ChronicleWeek&) const = default;
};

struct Chronicle {
    int player = 0;
    std::vector<ChronicleWeek> weeks;  // oldest first, one entry a week

    bool operator==(const Chronicle&) const = default;

    // Writes the world's standings as its week's entry: the week's entry is replaced if it is the
    // last one, otherwise a new week is added.
    void Note(const World& world);

    // Whether this chronicle belongs to the game in `world`: same player, and its last week is the
    // world's week with the world's standings.
    bool Fits(const World& world) const;
};

// The districts held by each gang: the gang whose colour each district shows.
GroupTable<int> DistrictsHeld(const World& world);

// A chronicle that starts with the world's week.
Chronicle StartChronicle(const World& world);

std::string ChronicleText(const Chronicle& chronicle);
// Nothing when the text is not a sound chronicle.
std::optional<Chronicle> ReadChronicleText(std::string_view text);

// The chronicle file beside a slot file: the slot's name with ".chronicle" in place of ".sav".
std::filesystem::path ChroniclePath(const std::filesystem::path& slotPath);

// Writes the chronicle whole beside the slot (as the slots are written). When it cannot be
// written, an older chronicle there is removed so that it is never taken for this game's; returns
// whether it was written.
bool SaveChronicle(const Chronicle& chronicle, const std::filesystem::path& slotPath);

// The chronicle beside the slot; nothing when there is none or it is damaged.
std::optional<Chronicle> LoadChronicle(const std::filesystem::path& slotPath);

}  // namespace golmok
