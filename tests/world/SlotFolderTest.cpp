#include <gtest/gtest.h>

#include "world/SlotFolder.h"

namespace golmok {
namespace {

TEST(ChooseSlotFolder, BuildTreePortableCopyOrInstalledGame) {
    const std::filesystem::path home = "/home/player/.local/share/golmok";
    struct Case {
        const char* what;
        const char* dirOption;
        const char* gameFolder;
        bool writable;
        std::filesystem::path expected;
    };
    const Case cases[] = {
        {"build tree", "", "/work/golmok/build/bin", true, "/work/golmok/build/bin"},
        {"portable copy", "", "/home/player/games/golmok", true, "/home/player/games/golmok"},
        {"installed under /usr", "", "/usr/bin", true, home},
        {"installed under /usr/local", "", "/usr/local/games", true, home},
        {"installed under /opt", "", "/opt/golmok/bin", true, home},
        {"a name that only starts like /usr", "", "/usrdata/golmok", true, "/usrdata/golmok"},
        {"a folder that climbs out of /usr", "", "/usr/../home/player/golmok", true,
         "/usr/../home/player/golmok"},
        {"copy on a read-only stick", "", "/media/stick/golmok", false, home},
        {"--dir beats the game folder", "/tmp/saves", "/home/player/golmok", true, "/tmp/saves"},
        {"--dir beats an installed game", "/tmp/saves", "/usr/bin", false, "/tmp/saves"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ChooseSlotFolder({c.dirOption, c.gameFolder, c.writable, home}), c.expected);
    }
}

}  // namespace
}  // namespace golmok
