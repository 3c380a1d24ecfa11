#include "world/Numbers.h"

#include <algorithm>

#include <charconv>
#include <cstdlib>

#include <locale.h>

namespace golmok {

std::string FormatNumber(double x) {
    if (x == 0) x = 0;  // -0 shows as 0
    char buffer[400];   // the longest fixed form of a double is 309 digits and a sign
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed);
    if (ec != std::errc{}) return "0";
    return std::string(buffer, end);
}

std::string FormatMoney(double x) {
    std::string text = FormatNumber(x);
    const std::size_t start = text.starts_with('-') ? 1 : 0;
    std::size_t end = text.find('.');
    if (end == std::string::npos) end = text.size();
    for (std::size_t i = end; i > start + 3; i -= 3)
        text.insert(i - 3, 1, ',');
    return text;
}

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Numbers are read with a full stop as the decimal point, whatever locale the windows set.
double ParseDecimal(const std::string& number) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(number.c_str(), nullptr, cLocale);
}

// Length of the longest number at the start of text: [sign] digits [. digits] [E [sign] digits].
// Zero when there are no digits in the mantissa.
std::size_t NumberLength(std::string_view text, bool allowExponent) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i]))
        ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        std::size_t j = i + 1;
        while (j < text.size() && IsDigit(text[j]))
            ++j, ++digits;
        i = j;
    }
    if (digits == 0) return 0;
    if (allowExponent && i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        std::size_t k = j;
        while (k < text.size() && IsDigit(text[k]))
            ++k;
        if (k > j) i = k;  // an E without digits is not part of the number
    }
    return i;
}

double ReadLeadingNumber(std::string_view text, std::string_view blanks, bool allowExponent) {
    std::size_t start = text.find_first_not_of(blanks);
    if (start == std::string_view::npos) return 0;
    text.remove_prefix(start);
    std::size_t length = NumberLength(text, allowExponent);
    if (length == 0) return 0;
    return ParseDecimal(std::string(text.substr(0, length)));
}

}  // namespace

double ReadNumber(std::string_view text) {
    return ReadLeadingNumber(text, " \t\r\n", true);
}

double ReadAmountBox(std::string_view text) {
    return ReadLeadingNumber(text, " \t", false);
}

std::optional<double> ParseWholeAmount(std::string_view text) {
    std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return 0.0;
    std::size_t last = text.find_last_not_of(" \t");
    std::string_view digits = text.substr(first, last - first + 1);
    for (char c : digits) {
        if (!IsDigit(c)) return std::nullopt;
    }
    // Every whole number up to kMostAmount (16 digits) is exact in a double; one of more digits
    // is beyond it whatever its value, leading zeros aside.
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
    // Compared as digits: a double would round 9007199254740993 down to the limit itself.
    constexpr std::string_view kMostDigits = "9007199254740992";
    if (digits.size() > kMostDigits.size() ||
        (digits.size() == kMostDigits.size() && digits > kMostDigits)) {
        return std::nullopt;
    }
    return digits.empty() ? 0.0 : ParseDecimal(std::string(digits));
}

std::string TrimSpaces(std::string_view text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

}  // namespace golmok
