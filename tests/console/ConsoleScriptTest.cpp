// Whole games as console scripts: each scripts/NAME.script runs on the shipped data and its
// standard output must equal scripts/NAME.expected.
//
// Comment lines at the top of a script may set up the run:
//   # exit: N              expected exit status (default 0)
//   # remove: FILE         the record file is missing from the game folder
//   # keep-records: FILE N the record file holds only its first N records
//   # set-record: FILE N TEXT  record N of the record file reads TEXT
//   # folder: FILE         a folder stands where the record file should be
//   # stderr: TEXT         standard error must contain TEXT (otherwise it must be empty)
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "console/Console.h"
#include "support/TestWorld.h"
#include "world/Cp949.h"
#include "world/RecordFiles.h"

namespace golmok {
namespace {

namespace fs = std::filesystem;

fs::path ScriptFolder() {
    return fs::path(GOLMOK_TESTS_DIR) / "console" / "scripts";
}

std::vector<std::string> ScriptNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(ScriptFolder())) {
        if (entry.path().extension() == ".script") names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class ConsoleScript : public ::testing::TestWithParam<std::string> {};

TEST_P(ConsoleScript, PrintsWhatIsExpected) {
    const fs::path script = ScriptFolder() / (GetParam() + ".script");
    const std::string expected = test::ReadFile(ScriptFolder() / (GetParam() + ".expected"));

    test::TempFolder folder;
    for (const RecordFileInfo& file : RecordFiles()) {
        fs::copy_file(test::ShippedData() / file.name, folder.path() / file.name);
    }
    int expectedStatus = 0;
    std::string expectedError;
    std::ifstream lines(script);
    for (std::string line; std::getline(lines, line) && line.starts_with("#");) {
        std::istringstream words(line.substr(1));
        std::string key, file;
        words >> key;
        if (key == "exit:") {
            words >> expectedStatus;
        } else if (key == "remove:") {
            words >> file;
            fs::remove(folder.path() / file);
        } else if (key == "keep-records:") {
            std::size_t keep = 0;
            words >> file >> keep;
            auto records = ReadRecordFile(folder.path() / file);
            records.resize(keep);
            std::string text;
            for (const auto& record : records)
                text += record + "¸";
            test::WriteFile(folder.path() / file, EncodeCp949(text).value());
        } else if (key == "folder:") {
            words >> file;
            fs::remove(folder.path() / file);
            fs::create_directory(folder.path() / file);
        } else if (key == "set-record:") {
            std::size_t row = 0;
            std::string text;
            words >> file >> row;
            std::getline(words >> std::ws, text);
            auto records = ReadRecordFile(folder.path() / file);
            records.at(row) = text;
            std::string joined;
            for (const auto& record : records)
                joined += record + "¸";
            test::WriteFile(folder.path() / file, EncodeCp949(joined).value());
        } else if (key == "stderr:") {
            std::getline(words >> std::ws, expectedError);
        }
    }

    std::istringstream in;
    std::ostringstream out, err;
    const int status = ConsoleMain({"--dir", folder.path().string(), script.string()},
                                   folder.path(), in, out, err);
    EXPECT_EQ(out.str(), expected);
    EXPECT_EQ(status, expectedStatus);
    if (expectedError.empty()) {
        EXPECT_EQ(err.str(), "");
    } else {
        EXPECT_NE(err.str().find(expectedError), std::string::npos) << err.str();
    }
}

INSTANTIATE_TEST_SUITE_P(Scripts, ConsoleScript, ::testing::ValuesIn(ScriptNames()),
                         [](const auto& script) {
                             std::string name = script.param;
                             for (char& c : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             }
                             return name;
                         });

}  // namespace
}  // namespace golmok
