// The week's news kept beside a saved game, as its chronicle is: save00.sav has
// save00.<fingerprint>.news (see SavedGames.h), so that the news window tells after 불러오기 and
// 이어하기 what it told before the save.
//
// The file is UTF-8 text:
//   golmok-news 2 FINGERPRINT KEPT
//   this KIND GANG FROMGANG CITY FROMCITY HUMAN FOUGHT MEMBERS PEOPLE MONEY
//   last KIND ...
//   end EVENTS
// FINGERPRINT names the saved game the news belongs to (a hash of its slot text, as in the file's
// name), KEPT is 0 when the game had no news to keep, "this" lines are the last turn end's events
// and "last" lines the turn end's before it, in order, and EVENTS counts them: a file cut short
// has lost its last line and is refused, never shown as the whole week.
//
// Earlier versions wrote "golmok-news 1" without the last line, as save00.news. Such a file is
// still shown when its fingerprint is the game's, but it cannot be checked for a cut at a line's
// end, and the load says so.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/TurnNews.h"
#include "world/World.h"

namespace golmok {

// No news file comes near this size; anything larger is not ours and is not read.
inline constexpr std::uintmax_t kMaxNewsBytes = 1 << 20;

inline constexpr std::string_view kNewsExtension = ".news";

std::string NewsFileText(const WeekNews& news, const World& saved);

// A news file's text read: the news, or why the text is none. With `loaded`, news of another game
// is refused; without, any game's is read.
struct NewsRead {
    std::optional<WeekNews> news;
    std::string why;
    bool old = false;  // written by an earlier version, without the end line
};
NewsRead ReadNewsFile(std::string_view text, const World* loaded);
// The news of the text when it is sound and belongs to `loaded`; nothing otherwise.
std::optional<WeekNews> ReadNewsFileText(std::string_view text, const World& loaded);
// Whether the bytes are a news file (of either version) of any game.
bool SoundNewsFile(std::string_view bytes);

// The news beside the slot for the game just read from it, and what the player must be told: a
// file there that could not be read is named with why and kept as it is, and news of an earlier
// version is shown with a word that it could not be checked.
struct LoadedNews {
    std::optional<WeekNews> news;
    std::vector<std::string> notices;
};
LoadedNews LoadNews(const World& loaded, const std::filesystem::path& slotPath);

}  // namespace golmok
