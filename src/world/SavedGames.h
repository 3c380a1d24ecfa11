// Saved games: five slot files, save00.sav to save04.sav, in the slot folder.
//
// A slot is one CP949 line ended by CR LF, made of four blocks, each ended by "˛" (U+02DB):
//   0 game       Year, Month, Week, PlayerGroupName, PlayerColor, PlayerGroupIndex
//   1 humans     194 rows of HumanLoyalty, HumanGroup, HumanRank, HumanStamina, HumanCity,
//                HumanMembers, HumanMorale, HumanCanAct
//   2 groups     7 rows of GroupFame, GroupAlly, GroupHostility
//   3 districts  25 rows of CityPopulation, CityCommerce, CityMoney, CitySword, CityStick,
//                CityKnife, CityOwnerColor
// Every field is ended by "¸" (U+00B8). Numbers carry one leading space unless negative; a
// person's action flag is "True" or "False"; texts stand as they are.
//
// Nothing else is saved: names and fixed figures come from the record files, and the options, the
// battle mode, weapons, fight parties and selections are the player's current ones.
//
// A player must never lose a game to a crash, a full disk or a damaged file: a save is written
// whole beside the slot and then renamed over it, and a load replaces the running game only when
// every field of the slot has been read and found sound.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "world/Numbers.h"
#include "world/World.h"

namespace golmok {

inline constexpr int kSaveSlotCount = 5;
// The extra slot the game writes after every turn end while 자동저장 is on: autosave.sav, in the
// slot format. The player loads it but never saves over it.
inline constexpr int kAutosaveSlot = kSaveSlotCount;

// Fields of each block.
inline constexpr int kGameFieldCount = 6;
inline constexpr int kHumanFieldCount = 8;
inline constexpr int kGroupFieldCount = 3;
inline constexpr int kCityFieldCount = 7;

// The slot buttons' caption for a slot without a game.
inline constexpr const char* kEmptySlotLabel = "비어있음";
// The caption of a slot whose file holds something that is not a game this program can load.
inline constexpr const char* kDamagedSlotLabel = "손상된 파일";
// The caption of a slot whose file the player may not read.
inline constexpr const char* kUnreadableSlotLabel = "권한이 없습니다";

// No saved game comes near this size (about 25 KB); anything larger is not a slot of ours and is
// refused before it is read into memory.
inline constexpr std::uintmax_t kMaxSlotBytes = 1 << 20;

// The game's date never runs backwards from its first week, and no game is played for eight
// thousand years: a slot holds years 1930 to 9999, and the calendar ends with the last week of
// 9999, the last a save can hold.
inline constexpr int kFirstYear = 1930;
inline constexpr int kLastYear = 9999;

// Files kept beside a slot: its chronicle and the week's news. A save is one unit: the files of
// the new game are written first under names that carry the new game's fingerprint
// (save00.0123456789abcdef.chronicle), the slot's rename is the one moment the save happens, and
// only after it are the old game's files removed. A kill, a full disk or a failed write at any
// step leaves the old slot with all of its files, or the new slot with all of its own.
//
// Saves of earlier versions keep theirs under the slot's name with the extension in place of
// ".sav" (save00.chronicle); they are read when a slot has none of the new names.
inline constexpr std::string_view kSlotCompanionExtensions[] = {".chronicle", ".news"};

// Hex digits of a fingerprint in a file name.
inline constexpr std::size_t kFingerprintDigits = 16;
// How many names a file beside a slot may take for one fingerprint: when something the game
// cannot read lies under the first, it is kept and the next is used (save00.<hex>.1.chronicle).
inline constexpr int kCompanionAlternates = 4;

// The number that ties the files beside a slot to the game saved in it: a hash of its slot text.
std::uint64_t SlotFingerprint(const World& world);
std::string FingerprintText(std::uint64_t fingerprint);

// "save00.<hex>.chronicle" beside `slotPath` (alternate 0), "save00.<hex>.1.chronicle", ...
std::filesystem::path CompanionPath(const std::filesystem::path& slotPath,
                                    std::uint64_t fingerprint, std::string_view extension,
                                    int alternate = 0);
// "save00.chronicle": the name an earlier version gave the file.
std::filesystem::path LegacyCompanionPath(const std::filesystem::path& slotPath,
                                          std::string_view extension);
// Whether a file name in the slot's folder is one of the slot's files of that extension, in
// either form.
bool IsCompanionName(std::string_view name, const std::filesystem::path& slotPath,
                     std::string_view extension);

// What lies beside a slot under the names of one of its files, as a load finds it.
struct CompanionSearch {
    std::filesystem::path path;  // the file read; empty when none was found sound
    std::string bytes;           // what it holds
    bool legacy = false;         // found under the name an earlier version gave it
    // Files under those names that could not be read, each with why; they are left as they are.
    std::vector<std::pair<std::filesystem::path, std::string>> unreadable;
};

// Reads the file of `extension` beside the slot of the game `fingerprint`: the first of its names
// (CompanionPath, alternates in order) that reads as a regular file of at most `maxBytes` and
// that `judge` finds sound (it returns why not, or an empty text); only when none of those names
// is there, the older name (LegacyCompanionPath). Nothing is opened so that it could block.
CompanionSearch FindCompanion(
    const std::filesystem::path& slotPath, std::uint64_t fingerprint, std::string_view extension,
    std::uintmax_t maxBytes,
    const std::function<std::string(std::string_view bytes, bool legacy)>& judge);

// Removes the temporary files that killed saves left in the folder (another running copy of the
// game keeps its own).
void RemoveStaleTemporaries(const std::filesystem::path& folder);

// Why a file of a save could not be written, for the player ("디스크가 가득 찼습니다").
std::string SaveFailureReason(int error);

// One saved field: its block, its row (0 in the game block) and its place in the row.
enum class SavedBlock { Game, Humans, Groups, Cities };
struct SavedField {
    SavedBlock block;
    int row = 0;
    int field = 0;
    // "사람 12의 충성", as a refusal names it.
    std::string Name() const;
};

struct SavedFieldProblem {
    SavedField field;
    std::string why;  // a whole clause naming the field: "사람 12의 충성 값 150이(가) ..."
};

// The first saved field of `world` that no game can hold, in save order: a figure outside what
// the rules can make of it between two turn ends, a person's gang that is no gang (dismissed
// people belong to 백수파), a text a save could not read back, an owner colour of no gang, a
// date out of range or a player gang whose name, colour and index disagree. Places are free: any
// name that is no district is a place outside every district.
std::optional<SavedFieldProblem> CheckSavedFields(const World& world);

// Why a text cannot be saved and read back as it is (a separator, a control character, a
// character CP949 lacks, a space at either end), as the end of a sentence ("에 제어 문자가
// 있습니다"), or nothing.
std::optional<std::string> UnwritableText(std::string_view text);

// A file-size limit (ulimit -f) kills a program that writes past it; ignoring that signal lets the
// write fail instead, so that the save reports it. The programs call this once at start.
void IgnoreFileSizeSignal();

// "save00.sav" .. "save04.sav" in `folder`; "autosave.sav" for kAutosaveSlot.
std::filesystem::path SlotPath(const std::filesystem::path& folder, int slot);

// Writes the bytes to a new file beside `path` and renames it over `path`, as a slot is written.
// Returns 0, or the errno that stopped it (`path` then holds what it held before).
int WriteFileWhole(const std::filesystem::path& path, const std::string& bytes);

// The slot text of the world, in UTF-8, CR LF included.
std::string SaveText(const World& world);

// The bytes of slot `slot` for the world (CP949), once they are known to load back into this very
// game; otherwise the message to show the player, and `bytes` is left as it was.
std::optional<std::string> EncodeSave(const World& world, int slot, std::string& bytes);

// Writes the bytes made by EncodeSave into slot `slot` of `folder`. Returns nothing when the game
// was saved, or the message to show the player when it could not be; the slot then holds what it
// held before. Temporary files that killed saves left in the folder are removed.
std::optional<std::string> WriteSlot(const std::string& bytes, const std::filesystem::path& folder,
                                     int slot);
class FileSystem;
std::optional<std::string> WriteSlot(FileSystem& files, const std::string& bytes,
                                     const std::filesystem::path& folder, int slot);

// EncodeSave and WriteSlot together.
std::optional<std::string> SaveGame(const World& world, const std::filesystem::path& folder,
                                    int slot);

// The word with the particle that fits its last syllable: Particle("연대기", "은", "는") is
// "연대기는", Particle("소식", "은", "는") is "소식은".
std::string Particle(std::string_view word, std::string_view afterConsonant,
                     std::string_view afterVowel);

enum class SlotState {
    Game,        // a game that loads
    Empty,       // no file, or a file with nothing in it
    Unreadable,  // a file the player may not read
    Damaged,     // anything else
};

struct LoadResult {
    SlotState state;
    std::string message;  // for the player; empty when the game was loaded
    // What the player must be told about a game that was loaded: a file beside the slot that
    // could not be read (named, with why), kept as it is.
    std::vector<std::string> notices = {};
};

// Reads the slot text (UTF-8) onto `world`: every saved field is overwritten, every other field is
// left as it is. Numbers follow the record files' rule; text after the fourth block is ignored;
// every field must pass CheckSavedFields. When the text is not a sound saved game, `world` is not
// touched and the reason is returned (Damaged, or Empty for a text holding only blanks).
LoadResult ReadSaveText(std::string_view text, World& world);

// The same for the bytes of a slot file (CP949).
LoadResult ReadSaveBytes(std::string_view bytes, World& world);

// Loads slot `slot` of `folder` onto `world`, as ReadSaveText does. A missing or empty file is an
// empty slot and changes nothing.
LoadResult LoadGame(World& world, const std::filesystem::path& folder, int slot);

// The slot's caption: "1930년 3월 2주 거지파" for a game, kEmptySlotLabel for an empty slot,
// kDamagedSlotLabel for a file that would not load onto `world`.
std::string SlotLabel(const std::filesystem::path& folder, int slot, const World& world);

}  // namespace golmok
