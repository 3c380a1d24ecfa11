#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

#include "world/Numbers.h"

namespace golmok {
namespace {

TEST(FormatNumber, ShortestPlainDecimal) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {10000000, "10000000"},
        {0.1, "0.1"},
        {-5000, "-5000"},
        {25.5, "25.5"},
        {1e21, "1000000000000000000000"},
        {28.999999999999996, "28.999999999999996"},
        {0.000001, "0.000001"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatNumber(c.value), c.text) << c.value;
}

TEST(FormatMoney, GroupsTheWholePartByThousands) {
    const std::pair<double, const char*> cases[] = {
        {0, "0"},
        {999, "999"},
        {1000, "1,000"},
        {535663, "535,663"},
        {1234567, "1,234,567"},
        {-1500.5, "-1,500.5"},
        {-100, "-100"},
        {0.25, "0.25"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(FormatMoney(value), text) << value;
}

TEST(ReadNumber, TakesTheLeadingNumber) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {" 75", 75},  {"75점", 75},     {"", 0},       {"\r\n 12", 12}, {"\t-20", -20},
        {"+3", 3},    {"1.5", 1.5},     {"2E3", 2000}, {"2e-1", 0.2},   {"2E", 2},
        {"2E+", 2},   {".5", 0.5},      {"5.", 5},     {"거지", 0},     {"-", 0},
        {"1,000", 1}, {" 1930¸", 1930}, {"12 34", 12},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(ReadNumber, HugeExponentIsInfiniteNotACrash) {
    EXPECT_TRUE(std::isinf(ReadNumber("1E999")));
}

TEST(ReadAmountBox, LikeTheReadingRuleWithoutExponent) {
    EXPECT_EQ(ReadAmountBox(" 12abc"), 12);
    EXPECT_EQ(ReadAmountBox("12.5"), 12.5);
    EXPECT_EQ(ReadAmountBox("2E3"), 2);
    EXPECT_EQ(ReadAmountBox(""), 0);
    EXPECT_EQ(ReadAmountBox("abc"), 0);
    EXPECT_EQ(ReadAmountBox("-7"), -7);
}

TEST(ParseWholeAmount, AcceptsOnlyWholeNumbersFromZero) {
    EXPECT_EQ(ParseWholeAmount("0"), 0.0);
    EXPECT_EQ(ParseWholeAmount(" 20000 "), 20000.0);
    EXPECT_EQ(ParseWholeAmount(""), 0.0);  // an empty box is 0
    EXPECT_EQ(ParseWholeAmount("   "), 0.0);
    EXPECT_EQ(ParseWholeAmount("999999999999999"), 999999999999999.0);
    // Whatever a saved game may hold can be typed, up to the same limit and not one more.
    EXPECT_EQ(ParseWholeAmount("9007199254740992"), kMostAmount);
    EXPECT_EQ(ParseWholeAmount("0009007199254740992"), kMostAmount);
    for (const char* refused : {"-1", "+1", "1.5", "12abc", "1e3", "1 000", "0x10", "１",
                                "9007199254740993", "9999999999999999", "10000000000000000"}) {
        EXPECT_EQ(ParseWholeAmount(refused), std::nullopt) << refused;
    }
}

TEST(Int, RoundsTowardMinusInfinity) {
    EXPECT_EQ(Int(25.5), 25);
    EXPECT_EQ(Int(-0.5), -1);
    EXPECT_EQ(Int(28.999999999999996), 28);
    EXPECT_EQ(Int(-3), -3);
}

TEST(TrimSpaces, OnlySpaces) {
    EXPECT_EQ(TrimSpaces("  강남 "), "강남");
    EXPECT_EQ(TrimSpaces("\r\n강남"), "\r\n강남");
    EXPECT_EQ(TrimSpaces("\t강남\t"), "\t강남\t");
    EXPECT_EQ(TrimSpaces("   "), "");
    EXPECT_EQ(TrimSpaces("서 초"), "서 초");
}

}  // namespace
}  // namespace golmok
