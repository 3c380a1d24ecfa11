#include "world/RecordFiles.h"

#include <cmath>

#include "world/Cp949.h"
#include "world/Numbers.h"
#include "world/SmallFiles.h"

namespace golmok {

std::string JoinLines(std::string_view text) {
    std::string joined;
    joined.reserve(text.size() + 2);
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t end = text.find_first_of("\r\n", i);
        if (end == std::string_view::npos) {
            joined.append(text.substr(i));
            joined.append("\r\n");
            break;
        }
        joined.append(text.substr(i, end - i));
        joined.append("\r\n");
        i = end + 1;
        if (text[end] == '\r' && i < text.size() && text[i] == '\n') ++i;
    }
    return joined;
}

std::vector<std::string> SplitRecords(std::string_view text) {
    std::vector<std::string> records;
    std::size_t start = 0;
    for (std::size_t at = text.find(kFieldSeparator); at != std::string_view::npos;
         at = text.find(kFieldSeparator, start)) {
        records.emplace_back(text.substr(start, at - start));
        start = at + kFieldSeparator.size();
    }
    return records;
}

std::vector<std::string> ReadRecordFile(const std::filesystem::path& path) {
    const std::string name = path.filename().string();
    SmallFile file = ReadSmallFile(path, kMaxRecordFileBytes);
    switch (file.state) {
        case SmallFile::State::Missing:
            throw RecordFileError(name, "파일이 없습니다");
        case SmallFile::State::Refused:
            throw RecordFileError(name, file.bytes);
        case SmallFile::State::Read:
            break;
    }
    return SplitRecords(JoinLines(DecodeCp949(file.bytes)));
}

namespace {

template <auto Field>
void StoreText(World& world, int row, std::string_view record) {
    (world.*Field)[row] = TrimSpaces(record);
}

template <auto Field>
void StoreNumber(World& world, int row, std::string_view record) {
    (world.*Field)[row] = ReadNumber(record);
}

}  // namespace

const std::vector<RecordFileInfo>& RecordFiles() {
    using T = RecordTable;
    static const std::vector<RecordFileInfo> files = {
        {"hn.dat", T::Humans, false, StoreText<&World::HumanName>},
        {"hg.dat", T::Humans, false, StoreText<&World::HumanGroup>},
        {"hj.dat", T::Humans, false, StoreText<&World::HumanRank>},
        {"hap.dat", T::Humans, true, StoreNumber<&World::HumanAttack>},
        {"hdp.dat", T::Humans, true, StoreNumber<&World::HumanDefence>},
        {"hcp.dat", T::Humans, true, StoreNumber<&World::HumanCharm>},
        {"hd.dat", T::Humans, true, StoreNumber<&World::HumanAgility>},
        {"hsp.dat", T::Humans, true, StoreNumber<&World::HumanIntelligence>},
        {"hc.dat", T::Humans, true, StoreNumber<&World::HumanLeadership>},
        {"hcity.dat", T::Humans, false, StoreText<&World::HumanCity>},
        {"cn.dat", T::Cities, false, StoreText<&World::CityName>},
        {"ch.dat", T::Cities, true, StoreNumber<&World::CityPopulation>},
        {"ct.dat", T::Cities, true, StoreNumber<&World::CityCommerce>},
        {"cm.dat", T::Cities, true, StoreNumber<&World::CityMoney>},
        {"gn.dat", T::Groups, false, StoreText<&World::GroupName>},
        {"gf.dat", T::Groups, true, StoreNumber<&World::GroupFame>},
    };
    return files;
}

const RecordFileInfo& RecordFileNamed(std::string_view name) {
    for (const RecordFileInfo& file : RecordFiles()) {
        if (name == file.name) return file;
    }
    throw std::out_of_range("no record file " + std::string(name));
}

int RowsOf(RecordTable table) {
    switch (table) {
        case RecordTable::Humans:
            return kHumanCount;
        case RecordTable::Cities:
            return kCityCount;
        case RecordTable::Groups:
            return kGroupCount;
    }
    return 0;
}

void LoadRecordFile(const std::filesystem::path& folder, const RecordFileInfo& file, World& world) {
    const std::vector<std::string> records = ReadRecordFile(folder / file.name);
    const int rows = RowsOf(file.table);
    if (records.empty()) throw RecordFileError(file.name, "구분자(¸)가 없습니다");
    if (static_cast<int>(records.size()) < rows) {
        throw RecordFileError(file.name, "기록이 " + std::to_string(records.size()) + "개입니다 (" +
                                             std::to_string(rows) + "개 필요)");
    }
    // Records beyond the table's rows are read and never used.
    for (int row = 0; row < rows; ++row) {
        if (file.isNumber && !(std::abs(ReadNumber(records[row])) <= kMostRecordFigure)) {
            throw RecordFileError(file.name,
                                  "기록 " + std::to_string(row) + "의 숫자가 너무 큽니다");
        }
        // A byte that is no CP949 would become a character no save can write back.
        if (!file.isNumber && records[row].find(kUnreadable) != std::string::npos) {
            throw RecordFileError(
                file.name, "기록 " + std::to_string(row) + "에 CP949가 아닌 바이트가 있습니다");
        }
        file.store(world, row, records[row]);
    }
}

}  // namespace golmok
