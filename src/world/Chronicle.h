// The chronicle of a game: how many districts each gang held, week by week. The map draws it as a
// chart; a saved game keeps it in a file of its own beside its slot (save00.sav has
// save00.<fingerprint>.chronicle, see SavedGames.h), so that the slot itself stays exactly as it
// always was.
//
// The file is UTF-8 text, one line a week, and a last line that says it is whole:
//   golmok-chronicle 2 PLAYER
//   YEAR MONTH WEEK D0 D1 D2 D3 D4 D5 D6
//   end WEEKS
// PLAYER is the player's gang index, D0..D6 the districts held by gangs 0..6, WEEKS the number of
// week lines. A file without its last line was cut short and is refused.
//
// Earlier versions wrote "golmok-chronicle 1" without the last line, beside the slot under its
// own name (save00.chronicle), appending each save's weeks; a week could follow itself (the later
// line stands for the week). Such a file is still read, and it cannot be checked for a cut: it
// counts only when it reaches the loaded slot's week with the slot's standings, or the week before.
#pragma once

#include <cstdint>
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
};

// The most bytes a chronicle file may hold. A whole chronicle of the longest game a slot can hold
// (1930 to 9999, 48 weeks a year, 31 bytes a line at most) is about 12 MB; the file may hold up to
// twice that in weeks written again before it is written whole once more.
std::uintmax_t MaxChronicleBytes();

// The districts held by each gang: the gang whose colour each district shows.
GroupTable<int> DistrictsHeld(const World& world);

// A chronicle that starts with the world's week.
Chronicle StartChronicle(const World& world);

// One week's line, its line break included.
std::string ChronicleLine(const ChronicleWeek& entry);
std::string ChronicleText(const Chronicle& chronicle);

// The chronicle a file's text holds, each line as it stands: a week may follow itself (the later
// line is the week's last standings). In a file of an earlier version, a last line without its
// line break is what a killed write left half-done and is left out. Nothing when the text is not
// a sound chronicle.
std::optional<Chronicle> ReadChronicleText(std::string_view text);

// The chronicle read beside a slot, made the chronicle of the game loaded from it. It belongs to
// the game when it is the same player's and either holds the slot's week with the slot's
// standings (the weeks after it, written just before a save that never came, are cut) or ends
// the week before (the slot's week is added). Nothing when it is another game's.
std::optional<Chronicle> FitChronicle(Chronicle read, const World& world);

inline constexpr std::string_view kChronicleExtension = ".chronicle";

// A chronicle file's text read: the chronicle, or why the text is none.
struct ChronicleRead {
    std::optional<Chronicle> chronicle;
    std::string why;
};
ChronicleRead ReadChronicleFile(std::string_view text);

// The chronicle beside a slot for the game just loaded from it (FindCompanion, FitChronicle), and
// what the player must be told: a file there that could not be read, named with why, is kept as
// it is and the chronicle starts again from the loaded week.
struct LoadedChronicle {
    std::optional<Chronicle> chronicle;
    std::vector<std::string> notices;
};
LoadedChronicle LoadChronicle(const std::filesystem::path& slotPath, const World& loaded);

// Whether the bytes are a chronicle file (of either version), whatever game it is of.
bool SoundChronicleFile(std::string_view bytes);

}  // namespace golmok
