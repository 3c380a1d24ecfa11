// The week's news kept beside a saved game, as its chronicle is: save00.sav has save00.news, so
// that the news window tells after 불러오기 and 이어하기 what it told before the save.
//
// The file is UTF-8 text:
//   golmok-news 1 FINGERPRINT KEPT
//   this KIND GANG FROMGANG CITY FROMCITY HUMAN FOUGHT MEMBERS PEOPLE MONEY
//   last KIND ...
// FINGERPRINT names the saved game the news belongs to (a hash of its slot text), KEPT is 0 when
// the game had no news to keep, "this" lines are the last turn end's events and "last" lines the
// turn end's before it, in order. A save writes the news before it renames the slot into place,
// so a program killed between the two leaves the old game beside the new game's news: the
// fingerprint tells them apart, and such news is never shown.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "game/TurnNews.h"
#include "world/World.h"

namespace golmok {

// No news file comes near this size; anything larger is not ours and is not read.
inline constexpr std::uintmax_t kMaxNewsBytes = 1 << 20;

// The news file beside a slot file: the slot's name with ".news" in place of ".sav".
std::filesystem::path NewsPath(const std::filesystem::path& slotPath);

// The number that ties news to the game saved with it.
std::uint64_t SavedGameFingerprint(const World& world);

std::string NewsFileText(const WeekNews& news, const World& saved);
// The news of the text when it is sound and belongs to `loaded`; nothing otherwise.
std::optional<WeekNews> ReadNewsFileText(std::string_view text, const World& loaded);

// Writes the news of the game `saved` whole beside the slot (to a new file renamed over the old
// one). Nothing is removed when it fails: news of another game there is told apart by its
// fingerprint. Returns whether it was written.
bool SaveNews(const WeekNews& news, const World& saved, const std::filesystem::path& slotPath);

// The news beside the slot for the game just read from it; nothing when there is none, it is
// damaged or it belongs to another game.
std::optional<WeekNews> LoadNews(const World& loaded, const std::filesystem::path& slotPath);

}  // namespace golmok
