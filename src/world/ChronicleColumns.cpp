#include "world/ChronicleColumns.h"

#include <algorithm>
#include <cstdint>

namespace golmok {

std::vector<ChronicleColumn> ChronicleColumns(const Chronicle& chronicle, int columns) {
    const auto weeks = static_cast<std::int64_t>(chronicle.weeks.size());
    std::vector<ChronicleColumn> shown;
    if (weeks == 0 || columns <= 0) return shown;
    const std::int64_t count = std::min<std::int64_t>(weeks, columns);
    shown.reserve(static_cast<std::size_t>(count));
    for (std::int64_t i = 0; i < weeks; ++i) {
        const std::int64_t column = i * count / weeks;
        const GroupTable<int>& held = chronicle.weeks[static_cast<std::size_t>(i)].districts;
        if (static_cast<std::int64_t>(shown.size()) <= column) {
            ChronicleColumn next;
            next.firstWeek = static_cast<int>(i);
            next.least = held;
            next.most = held;
            shown.push_back(next);
        }
        ChronicleColumn& at = shown.back();
        at.lastWeek = static_cast<int>(i);
        for (std::size_t g = 0; g < held.size(); ++g) {
            at.least[g] = std::min(at.least[g], held[g]);
            at.most[g] = std::max(at.most[g], held[g]);
        }
    }
    return shown;
}

}  // namespace golmok
