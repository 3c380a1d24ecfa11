// Whatever bytes come in, the console's output stays UTF-8: bytes that are not UTF-8 show as
// U+FFFD, a NUL is refused as such, and no echoed word runs longer than 200 characters.
#include <gtest/gtest.h>

#include <sstream>

#include "console/Console.h"
#include "support/TestWorld.h"

namespace golmok {
namespace {

TEST(ConsoleInput, TheOutputStaysUtf8WhateverComesIn) {
    Session session(test::BlankWorld());
    std::ostringstream out;
    Console console(session, out, test::ShippedData());
    const std::string replacement = "\uFFFD";
    std::string hangul;
    for (int i = 0; i < 300; ++i)
        hangul += "가";
    std::string cutHangul;
    for (int i = 0; i < 200; ++i)
        cutHangul += "가";
    struct Case {
        const char* what;
        std::string line;
        std::string printed;
    };
    const Case cases[] = {
        {"bytes that are no UTF-8", "bogus\xff\xfe",
         "error: unknown verb 'bogus" + replacement + replacement + "'\n"},
        {"a sequence cut short", "new-game \xea\xb0",
         "error: no group '" + replacement + replacement + "' (0..6)\n"},
        {"an overlong form and a surrogate", "\xc0\xaf\xed\xa0\x80",
         "error: unknown verb '" + replacement + replacement + replacement + replacement +
             replacement + "'\n"},
        {"a NUL", std::string("quit\0 now", 9), "error: the line holds a NUL character (byte 0)\n"},
        {"a NUL at the end", std::string("slots\0", 6),
         "error: the line holds a NUL character (byte 0)\n"},
        {"two million characters", std::string(2'000'000, 'x'),
         "error: unknown verb '" + std::string(200, 'x') + "…'\n"},
        {"a long Korean word", "new-game " + hangul,
         "error: no group '" + cutHangul + "…' (0..6)\n"},
        {"exactly 200 characters", std::string(200, 'y'),
         "error: unknown verb '" + std::string(200, 'y') + "'\n"},
        {"Korean as it is", "잘못된말", "error: unknown verb '잘못된말'\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        out.str("");
        EXPECT_EQ(console.RunLine(c.line), Console::LineResult::Error);
        EXPECT_EQ(out.str(), c.printed);
    }
}

}  // namespace
}  // namespace golmok
