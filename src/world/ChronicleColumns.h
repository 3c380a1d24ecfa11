// A long chronicle on a chart of few pixels: however many weeks a game runs, a chart can show no
// more than one value a pixel column. The weeks are shared out among the columns in order, and
// each column keeps the fewest and the most districts each gang held in its weeks, so that a
// short rise or fall still shows as the column's reach.
#pragma once

#include <vector>

#include "world/Chronicle.h"

namespace golmok {

struct ChronicleColumn {
    int firstWeek = 0;  // the chronicle's index of the column's first week
    int lastWeek = 0;   // and of its last
    GroupTable<int> least{};
    GroupTable<int> most{};

    bool operator==(const ChronicleColumn&) const = default;
};

// At most `columns` columns, one a week while the weeks are fewer; none for an empty chronicle
// or no column. Column k covers the weeks i with i * columns / weeks == k.
std::vector<ChronicleColumn> ChronicleColumns(const Chronicle& chronicle, int columns);

}  // namespace golmok
