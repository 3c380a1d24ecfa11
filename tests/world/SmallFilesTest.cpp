// Reading a small file whole: every byte up to the limit comes back, one byte past it is refused,
// and a file that holds more than its size says (as files under /proc do, and as a file growing
// while it is read does) is read to its end, not cut at the size it had when it was opened.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "support/TestWorld.h"
#include "world/SmallFiles.h"

namespace golmok {
namespace {

namespace fs = std::filesystem;

TEST(SmallFiles, ReadsEveryByteUpToTheLimitAndRefusesMore) {
    struct Case {
        const char* name;
        std::size_t length;
        std::uintmax_t limit;
        SmallFile::State state;
    };
    const Case cases[] = {
        {"empty", 0, 16, SmallFile::State::Read},
        {"one byte", 1, 16, SmallFile::State::Read},
        {"exactly the limit", 4096, 4096, SmallFile::State::Read},
        {"one byte past the limit", 4097, 4096, SmallFile::State::Refused},
        {"far below a large limit", 3000, std::uintmax_t{1} << 24, SmallFile::State::Read},
    };
    for (const Case& c : cases) {
        test::TempFolder folder;
        std::string bytes(c.length, '\0');
        for (std::size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<char>('a' + i % 23);
        test::WriteFile(folder.path() / "f", bytes);
        const SmallFile file = ReadSmallFile(folder.path() / "f", c.limit);
        EXPECT_EQ(file.state, c.state) << c.name;
        if (c.state == SmallFile::State::Read) {
            EXPECT_EQ(file.bytes, bytes) << c.name;
        } else {
            EXPECT_NE(file.bytes.find("너무 큽니다"), std::string::npos)
                << c.name << ": " << file.bytes;
        }
    }
}

// /proc/self/status is a regular file whose size reads 0 while it holds about a kilobyte: the
// reader must keep reading past the size it was told, and still stop at the limit.
TEST(SmallFiles, AFileLongerThanItsSizeIsReadToItsEndOrRefusedPastTheLimit) {
    const fs::path status = "/proc/self/status";
    if (!fs::is_regular_file(status) || fs::file_size(status) != 0)
        GTEST_SKIP() << "no /proc whose files report size 0 here";

    const SmallFile whole = ReadSmallFile(status, std::uintmax_t{1} << 20);
    ASSERT_EQ(whole.state, SmallFile::State::Read) << whole.bytes;
    EXPECT_TRUE(whole.bytes.starts_with("Name:")) << whole.bytes;
    EXPECT_NE(whole.bytes.find("\nPid:"), std::string::npos) << whole.bytes;
    EXPECT_TRUE(whole.bytes.ends_with('\n')) << whole.bytes;

    const SmallFile cut = ReadSmallFile(status, 64);
    EXPECT_EQ(cut.state, SmallFile::State::Refused);
    EXPECT_NE(cut.bytes.find("너무 큽니다"), std::string::npos) << cut.bytes;
}

}  // namespace
}  // namespace golmok
