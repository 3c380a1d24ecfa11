// Writes the sixteen record files from the readable world source (world.txt).
//
//   golmok-records world.txt OUTPUT_FOLDER
//
// Each file is one CP949 line: the records of one field, each followed by the separator U+00B8,
// then CR LF.
#include <array>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "world/Cp949.h"
#include "world/World.h"

namespace {

using Row = std::vector<std::string>;

struct Section {
    std::size_t columns;
    std::size_t rows;
    std::vector<Row> lines;
};

struct Output {
    const char* file;
    const char* section;
    std::size_t column;
};

// Which column of which section each record file holds.
constexpr std::array<Output, 16> kOutputs = {{
    {"gn.dat", "groups", 0},
    {"gf.dat", "groups", 1},
    {"cn.dat", "districts", 0},
    {"ch.dat", "districts", 1},
    {"ct.dat", "districts", 2},
    {"cm.dat", "districts", 3},
    {"hn.dat", "people", 0},
    {"hg.dat", "people", 1},
    {"hj.dat", "people", 2},
    {"hcity.dat", "people", 3},
    {"hap.dat", "people", 4},
    {"hdp.dat", "people", 5},
    {"hcp.dat", "people", 6},
    {"hd.dat", "people", 7},
    {"hsp.dat", "people", 8},
    {"hc.dat", "people", 9},
}};

[[noreturn]] void Fail(const std::string& why) {
    std::cerr << "golmok-records: " << why << '\n';
    std::exit(1);
}

std::map<std::string, Section> ReadSource(const std::filesystem::path& path) {
    std::map<std::string, Section> sections = {
        {"groups", {2, golmok::kGroupCount, {}}},
        {"districts", {4, golmok::kCityCount, {}}},
        {"people", {10, golmok::kHumanCount, {}}},
    };
    std::ifstream in(path);
    if (!in) Fail("cannot read " + path.string());
    Section* current = nullptr;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const std::string where = path.filename().string() + ":" + std::to_string(number) + ": ";
        std::istringstream words(line);
        Row row;
        for (std::string word; words >> word;)
            row.push_back(word);
        if (row.empty() || row[0].starts_with('#')) continue;
        if (row[0].starts_with('[')) {
            std::string name = row[0].substr(1, row[0].size() - 2);
            auto found = sections.find(name);
            if (row.size() != 1 || !row[0].ends_with(']') || found == sections.end()) {
                Fail(where + "unknown section " + line);
            }
            current = &found->second;
            continue;
        }
        if (current == nullptr) Fail(where + "a row before any section");
        if (row.size() != current->columns) {
            Fail(where + std::to_string(row.size()) + " columns, " +
                 std::to_string(current->columns) + " expected");
        }
        current->lines.push_back(row);
    }
    for (const auto& [name, section] : sections) {
        if (section.lines.size() != section.rows) {
            Fail(name + ": " + std::to_string(section.lines.size()) + " rows, " +
                 std::to_string(section.rows) + " expected");
        }
    }
    return sections;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) Fail("usage: golmok-records world.txt OUTPUT_FOLDER");
    const auto sections = ReadSource(argv[1]);
    const std::filesystem::path folder = argv[2];
    std::filesystem::create_directories(folder);
    for (const Output& output : kOutputs) {
        std::string text;
        for (const Row& row : sections.at(output.section).lines) {
            text += row[output.column];
            text += golmok::kFieldSeparator;
        }
        text += "\r\n";
        auto bytes = golmok::EncodeCp949(text);
        if (!bytes) Fail(std::string(output.file) + ": a character CP949 cannot write");
        std::ofstream out(folder / output.file, std::ios::binary | std::ios::trunc);
        out << *bytes;
        if (!out.flush()) Fail("cannot write " + (folder / output.file).string());
    }
    return 0;
}
