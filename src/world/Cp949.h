// The game's files are CP949 on disk and UTF-8 in memory.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace golmok {

// Field separator of record files and saved games (CP949 A2 AC) and block terminator of saved
// games (CP949 A2 AD), as UTF-8.
inline constexpr std::string_view kFieldSeparator = "\u00B8";
inline constexpr std::string_view kBlockTerminator = "\u02DB";

// What the decoder puts for bytes that are no CP949. CP949 has no such character, so a text holding
// it cannot be written back.
inline constexpr std::string_view kUnreadable = "\uFFFD";

// CP949 bytes to UTF-8. Never fails: a byte sequence that is not CP949 becomes U+FFFD and decoding
// goes on with the next byte.
std::string DecodeCp949(std::string_view bytes);

// UTF-8 to CP949 bytes; nullopt when the text holds a character CP949 cannot write.
std::optional<std::string> EncodeCp949(std::string_view utf8);

// The text as valid UTF-8: each byte that does not begin or continue a well-formed UTF-8
// sequence (an overlong form, a surrogate, a code above U+10FFFF, a sequence cut short) becomes
// U+FFFD; everything else stays as it is.
std::string ValidUtf8(std::string_view text);

// The number of characters of a valid UTF-8 text.
std::size_t Utf8Length(std::string_view text);

// The first `most` characters of a valid UTF-8 text, with "…" after them when more were cut off.
std::string CutUtf8(std::string_view text, std::size_t most);

}  // namespace golmok
