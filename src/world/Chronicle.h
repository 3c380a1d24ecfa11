// The chronicle of a game: how many districts each gang held, week by week. The map draws it as a
// chart; a saved game keeps it in a file of its own beside its slot (save00.sav has
// save00.chronicle), so that the slot itself stays exactly as it always was.
//
// The file is UTF-8 text, one line a week:
//   golmok-chronicle 1 PLAYER
//   YEAR MONTH WEEK D0 D1 D2 D3 D4 D5 D6
// PLAYER is the player's gang index, D0..D6 the districts held by gangs 0..6.
//
// The file only grows while a game goes on: each save appends the weeks written since the last
// one. A week whose standings changed after it was written (a fight, then a save in the same
// week) is appended again, and the later line stands for the week. The file is brought up to date
// before its slot is written, so a kill between the two leaves a chronicle that reaches past its
// slot, never one that falls short of it; the reader cuts it back to the slot's week.
#pragma once

#include <sys/types.h>

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
// line is the week's last standings). A last line without its line break is what a killed write
// left half-done and is left out. Nothing when the text is not a sound chronicle.
std::optional<Chronicle> ReadChronicleText(std::string_view text);

// The chronicle read beside a slot, made the chronicle of the game loaded from it. It belongs to
// the game when it is the same player's and either holds the slot's week with the slot's
// standings (the weeks after it, written just before a save that never came, are cut) or ends
// the week before (the slot's week is added). Nothing when it is another game's.
std::optional<Chronicle> FitChronicle(Chronicle read, const World& world);

// The chronicle file beside a slot file: the slot's name with ".chronicle" in place of ".sav".
std::filesystem::path ChroniclePath(const std::filesystem::path& slotPath);

// Writes the chronicle whole beside the slot, as the slots are written. Returns 0 or the errno
// that stopped it; the file then holds what it held before.
int SaveChronicle(const Chronicle& chronicle, const std::filesystem::path& slotPath);

// The chronicle file beside one slot as this program last wrote it, so that saving the same game
// again appends its new weeks instead of the whole history.
class ChronicleFile {
  public:
    explicit ChronicleFile(const std::filesystem::path& slotPath);

    // Brings the file beside the slot up to `chronicle`, on the disk before it returns. It is
    // appended to when it is still the file this object last wrote, unchanged since, and
    // `chronicle` goes on from what was written; otherwise it is written whole. Returns 0 or the
    // errno that stopped it; the file then holds what it held before.
    int Write(const Chronicle& chronicle);

    // The chronicle last written is no longer the game's: the next Write writes the file whole.
    void Forget() { known_ = false; }

    const std::filesystem::path& path() const { return path_; }

  private:
    int WriteWhole(const Chronicle& chronicle);

    std::filesystem::path path_;
    bool known_ = false;
    dev_t device_ = 0;
    ino_t inode_ = 0;
    std::uintmax_t size_ = 0;
    int player_ = 0;
    std::size_t weeks_ = 0;  // entries of the chronicle written
    ChronicleWeek last_;     // the last of them, as written
};

// The chronicle beside the slot, as ReadChronicleText reads it; nothing when there is none or it
// is damaged.
std::optional<Chronicle> LoadChronicle(const std::filesystem::path& slotPath);

}  // namespace golmok
