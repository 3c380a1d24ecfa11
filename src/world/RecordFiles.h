// The sixteen record files the starting world is read from. Each holds one field of one table as
// CP949 text: records, each ended by the separator U+00B8, normally all on one line.
#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "world/World.h"

namespace golmok {

// No record file of a world comes near this size (the largest is a few KB); anything larger is
// refused before it is read into memory.
inline constexpr std::uintmax_t kMaxRecordFileBytes = 1 << 20;

// The largest figure a record file may give, either sign. Far above every figure of a sensible
// world, and low enough that the products the rules make of figures (a district's yield, a
// strike) stay exact, and that a fight's health bar fits the screen's whole numbers.
inline constexpr double kMostRecordFigure = 1e9;

// A record file that cannot make a world: missing, unreadable, without separator, too short.
class RecordFileError : public std::runtime_error {
  public:
    RecordFileError(std::string file, const std::string& what)
        : std::runtime_error(file + ": " + what), file_(std::move(file)) {}
    const std::string& file() const { return file_; }

  private:
    std::string file_;
};

// The file's text as the reader sees it: decoded, and every line followed by CR LF, the last one
// included. A line ends at CR LF, LF or CR.
std::string JoinLines(std::string_view text);

// The records of a joined text: the text before each separator. Text after the last separator is
// no record. Nothing is trimmed.
std::vector<std::string> SplitRecords(std::string_view text);

// Reads a file whole (CP949) and splits it. Throws RecordFileError when it cannot be read: missing,
// not a regular file (a folder, a FIFO, a device) or larger than kMaxRecordFileBytes.
std::vector<std::string> ReadRecordFile(const std::filesystem::path& path);

enum class RecordTable { Humans, Cities, Groups };

struct RecordFileInfo {
    const char* name;  // hn.dat ...
    RecordTable table;
    bool isNumber;  // read by the number rule; otherwise text trimmed of spaces
    // Stores one raw record into row `row` of the file's field (text trimmed, or read as a number).
    void (*store)(World& world, int row, std::string_view record);
};

// The sixteen files, in the order the world is built from them.
const std::vector<RecordFileInfo>& RecordFiles();
const RecordFileInfo& RecordFileNamed(std::string_view name);

int RowsOf(RecordTable table);

// Reads one record file from `folder` into its field of `world`: rows 0 to the table's size - 1.
// Throws RecordFileError for a file ReadRecordFile refuses, a file without separator, one with
// fewer records than the table has rows, a number beyond kMostRecordFigure, or a text record
// holding bytes that are no CP949.
void LoadRecordFile(const std::filesystem::path& folder, const RecordFileInfo& file, World& world);

}  // namespace golmok
