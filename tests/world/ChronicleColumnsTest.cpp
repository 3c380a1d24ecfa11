// A chronicle shared out among a chart's pixel columns: every week in exactly one column, in
// order, and each column's reach the fewest and most districts of its weeks.
#include "world/ChronicleColumns.h"

#include <gtest/gtest.h>

namespace golmok {
namespace {

// `weeks` weeks in which gang 0 holds week % 7 districts and gang 1 holds 25 minus that.
Chronicle Sawtooth(int weeks) {
    Chronicle chronicle;
    for (int i = 0; i < weeks; ++i) {
        ChronicleWeek entry;
        entry.year = 1930 + i / 48;
        entry.month = i / 4 % 12 + 1;
        entry.week = i % 4 + 1;
        entry.districts[0] = i % 7;
        entry.districts[1] = 25 - i % 7;
        chronicle.weeks.push_back(entry);
    }
    return chronicle;
}

TEST(ChronicleColumnsTest, EveryWeekLandsInOneColumnInOrder) {
    struct Case {
        int weeks;
        int columns;
        std::size_t expected;
    };
    for (const Case& c : {Case{0, 100, 0}, Case{5, 0, 0}, Case{1, 476, 1}, Case{30, 476, 30},
                          Case{476, 476, 476}, Case{477, 476, 476}, Case{100000, 476, 476}}) {
        SCOPED_TRACE(testing::Message() << c.weeks << " weeks on " << c.columns << " columns");
        const std::vector<ChronicleColumn> columns = ChronicleColumns(Sawtooth(c.weeks), c.columns);
        ASSERT_EQ(columns.size(), c.expected);
        int next = 0;
        for (const ChronicleColumn& column : columns) {
            EXPECT_EQ(column.firstWeek, next);
            EXPECT_GE(column.lastWeek, column.firstWeek);
            next = column.lastWeek + 1;
        }
        EXPECT_EQ(next, c.expected == 0 ? 0 : c.weeks);
    }
}

TEST(ChronicleColumnsTest, AColumnKeepsItsWeeksExtremes) {
    const Chronicle chronicle = Sawtooth(1000);
    for (const ChronicleColumn& column : ChronicleColumns(chronicle, 97)) {
        GroupTable<int> least{}, most{};
        least.fill(1000);
        most.fill(-1);
        for (int i = column.firstWeek; i <= column.lastWeek; ++i) {
            for (int g = 0; g < kGroupCount; ++g) {
                least[g] = std::min(least[g], chronicle.weeks[i].districts[g]);
                most[g] = std::max(most[g], chronicle.weeks[i].districts[g]);
            }
        }
        EXPECT_EQ(column.least, least);
        EXPECT_EQ(column.most, most);
    }
    // Ten weeks a column see the whole sawtooth: 0 to 6 and 19 to 25.
    const ChronicleColumn wide = ChronicleColumns(chronicle, 100)[3];
    EXPECT_EQ(wide.least[0], 0);
    EXPECT_EQ(wide.most[0], 6);
    EXPECT_EQ(wide.least[1], 19);
    EXPECT_EQ(wide.most[1], 25);
    // One week a column: the week's own value, both ways.
    const ChronicleColumn narrow = ChronicleColumns(Sawtooth(10), 476)[4];
    EXPECT_EQ(narrow.least[0], 4);
    EXPECT_EQ(narrow.most[0], 4);
}

}  // namespace
}  // namespace golmok
