#include "world/Settings.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace golmok
