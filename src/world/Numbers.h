// Numbers as the game reads, rounds and shows them.
#pragma once

#include <cmath>
#include <optional>
#include <string>
#include <string_view>

namespace golmok {

// The most money, weapons or fame a game can hold, either way: 2^53, beyond which a double no
// longer holds every whole number, so that one won or one stick more would change nothing. A saved
// game holds no figure beyond it, and an amount box takes none beyond it either, so whatever a
// loaded game holds can be typed.
inline constexpr double kMostAmount = 9007199254740992.0;

// The largest integer not above x (Int(-0.5) is -1).
inline double Int(double x) {
    return std::floor(x);
}

// The shortest decimal text that reads back as the same double, in plain notation: 10000000 shows
// as "10000000", 0.1 as "0.1", -0 as "0".
std::string FormatNumber(double x);

// FormatNumber with a comma between each group of three digits of the whole part, as the views
// show money: 1234567 shows as "1,234,567", -1500.5 as "-1,500.5".
std::string FormatMoney(double x);

// The reading rule of record files and saved games: blanks, tabs and line breaks are skipped, then
// an optional sign, digits, an optional fraction and an optional exponent (E, sign, digits) are
// taken up to the first character that cannot continue them. No digits reads as 0, so " 75",
// "75점" and "" read as 75, 75 and 0.
double ReadNumber(std::string_view text);

// The amount box's reading rule: blanks are skipped, then an optional sign, digits and an optional
// fraction; text without a leading number is 0.
double ReadAmountBox(std::string_view text);

// A typed amount the game accepts: a whole number of 0 or more, blanks around it allowed; an empty
// box is 0. Anything else (a sign, a fraction, letters, a number above kMostAmount) is nullopt.
std::optional<double> ParseWholeAmount(std::string_view text);

// Spaces (U+0020) removed from both ends; nothing else is removed.
std::string TrimSpaces(std::string_view text);

}  // namespace golmok
