#include "world/Settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>

#include "support/TestWorld.h"

namespace golmok {
namespace {

namespace fs = std::filesystem;

TEST(Settings, TheFileLiesInThePlayersConfigFolder) {
    struct Case {
        const char* xdg;
        const char* home;
        fs::path expected;
    };
    const Case cases[] = {
        {"/cfg/me", "/home/me", "/cfg/me/golmok/golmok.ini"},
        {"", "/home/me", "/home/me/.config/golmok/golmok.ini"},
        // A relative $XDG_CONFIG_HOME is invalid and ignored.
        {"cfg", "/home/me", "/home/me/.config/golmok/golmok.ini"},
        {"", "", ""},
        {"", "relative", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.xdg) + " | " + c.home);
        EXPECT_EQ(SettingsFile(c.xdg, c.home), c.expected);
    }
}

// Each key sets its own option and no other, both ways.
TEST(Settings, EachKeyReadsIntoItsOwnOption) {
    for (const OptionSetting& option : kOptionSettings) {
        SCOPED_TRACE(option.key);
        for (const bool value : {true, false}) {
            Settings before;
            before.options.*option.member = !value;
            Settings read = before;
            ReadSettings("[options]\n" + std::string(option.key) + "=" + (value ? "true" : "false"),
                         read);
            Settings expected = before;
            expected.options.*option.member = value;
            EXPECT_EQ(read, expected);
        }
    }
}

TEST(Settings, ReadsWhatQtWritesAndKeepsWhatItCannotRead) {
    Settings fresh;
    Settings allOn;
    for (const OptionSetting& option : kOptionSettings)
        allOn.options.*option.member = true;
    allOn.battleMode = BattleMode::Real;

    struct Case {
        const char* what;
        const char* text;
        Settings start;
        Settings expected;
    };
    Settings musicOffReal = fresh;
    musicOffReal.options.music = false;
    musicOffReal.battleMode = BattleMode::Real;
    Settings truceOn = fresh;
    truceOn.options.truce = true;
    const Case cases[] = {
        {"an empty file", "", allOn, allOn},
        {"as QSettings writes it, with blanks and CR",
         "[General]\nx=1\n\n[options]\r\nmusic = false\r\nbattle=Real\r\n", fresh, musicOffReal},
        {"keys outside [options] are not ours", "[General]\ntruce=true\n[other]\nbattle=Real\n",
         fresh, fresh},
        {"a later section ends [options]", "[options]\ntruce=true\n[other]\nmusic=false\n", fresh,
         truceOn},
        {"values it cannot read", "[options]\nmusic=1\ntruce=yes\nbattle=real\nnews=\n", allOn,
         allOn},
        {"unknown keys and lines without =", "[options]\nfast=true\nmusic\n", allOn, allOn},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Settings read = c.start;
        ReadSettings(c.text, read);
        EXPECT_EQ(read, c.expected);
    }
}

// The settings file is read as the game's other small files: a FIFO does not hold the start, a link
// to an endless device or a huge file is not read, and the defaults stand.
TEST(Settings, AFileThatCouldHoldTheStartIsNotRead) {
    test::TempFolder folder;
    const fs::path file = folder.path() / "golmok.ini";
    struct Case {
        const char* what;
        void (*arrange)(const fs::path& file);
    };
    const Case cases[] = {
        {"a FIFO", [](const fs::path& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0600), 0); }},
        {"a link to /dev/zero", [](const fs::path& f) { fs::create_symlink("/dev/zero", f); }},
        {"a folder", [](const fs::path& f) { fs::create_directory(f); }},
        {"100 MB",
         [](const fs::path& f) {
             test::WriteFile(f, "[options]\nmusic=false\n");
             fs::resize_file(f, 100 << 20);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(file);
        c.arrange(file);
        World world;
        world.options.music = true;
        ReadSettingsFile(file, world);
        EXPECT_TRUE(world.options.music);
    }
    fs::remove_all(file);
    test::WriteFile(file, "[options]\nmusic=false\n");
    World world;
    ReadSettingsFile(file, world);
    EXPECT_FALSE(world.options.music);
}

// What the windows write reads back, and a file that cannot be written is told once, naming the
// file and why; nothing that is not a regular file is ever replaced.
TEST(Settings, WrittenWholeOrToldOnce) {
    test::TempFolder folder;
    const fs::path file = folder.path() / "config" / "golmok" / "golmok.ini";
    World world;
    world.options.news = !world.options.news;
    world.BattleMode = BattleMode::Real;
    SettingsKeeper keeper;
    EXPECT_FALSE(keeper.Store(file, world).has_value());  // the folders are made
    World read;
    ReadSettingsFile(file, read);
    EXPECT_EQ(read.options.news, world.options.news);
    EXPECT_EQ(read.BattleMode, BattleMode::Real);

    struct Case {
        const char* what;
        fs::path file;
        void (*arrange)(const fs::path& file);
        const char* why;
    };
    const Case cases[] = {
        {"a folder in its place", folder.path() / "a" / "golmok.ini",
         [](const fs::path& f) { fs::create_directories(f); }, "파일이 아니라 폴더입니다"},
        {"a file in place of its folder", folder.path() / "b" / "golmok.ini",
         [](const fs::path& f) { test::WriteFile(f.parent_path(), "x"); },
         "설정 폴더 자리에 같은 이름의 파일이 있습니다"},
        {"a FIFO in its place", folder.path() / "c" / "golmok.ini",
         [](const fs::path& f) {
             fs::create_directories(f.parent_path());
             ASSERT_EQ(::mkfifo(f.c_str(), 0600), 0);
         },
         "보통 파일이 아닙니다"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.arrange(c.file);
        SettingsKeeper once;
        EXPECT_EQ(once.Store(c.file, world), "설정 파일 " + c.file.string() +
                                                 "에 옵션을 저장하지 못했습니다 (" + c.why +
                                                 "). 바꾼 옵션은 이번 실행에만 적용됩니다.");
        EXPECT_EQ(WriteSettingsFile(c.file, world).has_value(), true);
        EXPECT_FALSE(once.Store(c.file, world).has_value());  // not told again
        EXPECT_FALSE(fs::is_regular_file(c.file));
    }
}

}  // namespace
}  // namespace golmok
