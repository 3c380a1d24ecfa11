#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TestWorld.h"
#include "world/Cp949.h"
#include "world/RecordFiles.h"

namespace golmok {
namespace {

using Records = std::vector<std::string>;

std::string Cp949(const std::string& utf8) {
    return EncodeCp949(utf8).value();
}

// What the reader makes of a file holding these bytes.
Records ReadBytes(const std::string& bytes) {
    test::TempFolder folder;
    test::WriteFile(folder.path() / "x.dat", bytes);
    return ReadRecordFile(folder.path() / "x.dat");
}

TEST(ReadRecordFile, SplitsAtTheSeparatorAndDropsTheTail) {
    struct Case {
        const char* name;
        std::string utf8;
        Records records;
    };
    const Case cases[] = {
        {"final separator", "강남¸서초¸", {"강남", "서초"}},
        {"no final separator", "강남¸서초", {"강남"}},
        {"no separator at all", "강남", {}},
        {"empty file", "", {}},
        {"empty records", "¸¸", {"", ""}},
        {"spaces kept raw", " 강남 ¸", {" 강남 "}},
        {"line ending after the last record", "강남¸서초¸\r\n", {"강남", "서초"}},
        {"CR LF between records", "강남¸\r\n서초¸\r\n", {"강남", "\r\n서초"}},
        {"LF alone becomes CR LF", "강남¸\n서초¸", {"강남", "\r\n서초"}},
        {"CR alone becomes CR LF", "강남¸\r서초¸", {"강남", "\r\n서초"}},
        {"a line break inside a record", "강\r\n남¸", {"강\r\n남"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadBytes(Cp949(c.utf8)), c.records) << c.name;
}

TEST(ReadRecordFile, InvalidBytesNeverStopTheReader) {
    // A lead byte without its trail byte, two bytes CP949 never uses and a character cut off at
    // the end: each becomes U+FFFD and reading goes on.
    const std::string bytes =
        Cp949("강남¸") + "\x81 " + Cp949("¸") + "\xFF\x80" + Cp949("서초¸") + "\xB0";
    EXPECT_EQ(ReadBytes(bytes), (Records{"강남", "\uFFFD ", "\uFFFD\uFFFD서초"}));
}

TEST(ReadRecordFile, MissingFileIsAnErrorNamingIt) {
    test::TempFolder folder;
    try {
        ReadRecordFile(folder.path() / "hn.dat");
        FAIL() << "no error";
    } catch (const RecordFileError& error) {
        EXPECT_EQ(error.file(), "hn.dat");
    }
}

// Loads `bytes` as gf.dat (seven gang fames) into a blank world.
World LoadFame(const std::string& bytes) {
    test::TempFolder folder;
    test::WriteFile(folder.path() / "gf.dat", bytes);
    World world = test::BlankWorld();
    LoadRecordFile(folder.path(), RecordFileNamed("gf.dat"), world);
    return world;
}

TEST(LoadRecordFile, NumbersByTheReadingRule) {
    World world = LoadFame(Cp949(" 75¸75점¸¸-3¸1E2¸\r\n8¸9.5¸100¸"));
    EXPECT_EQ(world.GroupFame, (GroupTable<double>{75, 75, 0, -3, 100, 8, 9.5}));
}

TEST(LoadRecordFile, TextsTrimmedOfSpaces) {
    test::TempFolder folder;
    std::string names;
    for (int g = 0; g < kGroupCount; ++g)
        names += " 파" + std::to_string(g) + " ¸";
    test::WriteFile(folder.path() / "gn.dat", Cp949(names));
    World world = test::BlankWorld();
    LoadRecordFile(folder.path(), RecordFileNamed("gn.dat"), world);
    EXPECT_EQ(world.GroupName[0], "파0");
    EXPECT_EQ(world.GroupName[6], "파6");
}

TEST(LoadRecordFile, RefusesFilesThatCannotFillTheTable) {
    struct Case {
        const char* name;
        std::string bytes;
        std::string message;  // part of the report
    };
    const Case cases[] = {
        {"no separator", "1 2 3 4 5 6 7", "gf.dat: "},
        {"too few records", Cp949("1¸2¸3¸"), "3개입니다 (7개 필요)"},
        {"number too large", Cp949("1E999¸1¸1¸1¸1¸1¸1¸"), "gf.dat: "},
    };
    for (const Case& c : cases) {
        try {
            LoadFame(c.bytes);
            ADD_FAILURE() << c.name << ": accepted";
        } catch (const RecordFileError& error) {
            EXPECT_EQ(error.file(), "gf.dat") << c.name;
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos)
                << c.name << ": " << error.what();
        }
    }
}

TEST(LoadRecordFile, ExtraRecordsAreIgnored) {
    World world = LoadFame(Cp949("1¸2¸3¸4¸5¸6¸7¸8¸9¸"));
    EXPECT_EQ(world.GroupFame[6], 7);
}

TEST(Cp949, ABadSequenceTheConverterStepsOverEndsTheText) {
    // A lead byte with a trail byte CP949 does not pair with it, at the very end: the converter
    // reports it having already stepped over both bytes.
    EXPECT_EQ(DecodeCp949("-\xA2\xE8"), "-\uFFFD");
}

TEST(Cp949, RoundTripAndUnwritableText) {
    const std::string text = "골목패권기 ¸˛ 1930";
    EXPECT_EQ(DecodeCp949(EncodeCp949(text).value()), text);
    EXPECT_EQ(EncodeCp949("\U0001F600"), std::nullopt);
}

}  // namespace
}  // namespace golmok
