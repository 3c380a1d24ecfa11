// libFuzzer target for the record-file reader: any bytes are decoded, split into records and
// stored into every field of the world the way the loaders store them, without a crash.
#include <algorithm>
#include <cstdint>
#include <string_view>

#include "world/Cp949.h"
#include "world/RecordFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace golmok;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> records = SplitRecords(JoinLines(DecodeCp949(bytes)));
    World world;
    for (const RecordFileInfo& file : RecordFiles()) {
        const int rows = std::min<int>(RowsOf(file.table), static_cast<int>(records.size()));
        for (int row = 0; row < rows; ++row)
            file.store(world, row, records[row]);
    }
    return 0;
}
