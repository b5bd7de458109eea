// The list's rows as the filter lets them through, and as Copy and Save as CSV write them.

#include "ui/namerows.h"

#include <gtest/gtest.h>

namespace sequate::ui {
namespace {

TEST(NameRows, FilterLooksAtBothNamesInEitherCase) {
    const NameRow row{"R5", "RX12", "already has its name"};
    const struct {
        const char* filter;
        bool passes;
    } cases[] = {{"", true},   {"r", true},   {"x1", true},    {"R5", true},
                 {"12", true}, {"r6", false}, {"name", false}, {"R5 ", false}};
    for (const auto& c : cases)
        EXPECT_EQ(passesFilter(row, c.filter), c.passes) << '"' << c.filter << '"';
    EXPECT_EQ(filteredRows({row, {"C1", "C2", ""}, {"U1", "U1", ""}}, "c"),
              (std::vector<NameRow>{{"C1", "C2", ""}}));
}

// A header's click sorts by its column, a second click the other way; numbers as numbers.
TEST(NameRows, HeadersSortTheNamesWithTheirNumbersAsNumbers) {
    const std::vector<NameRow> rows{{"R10", "R1", ""}, {"r2", "R3", ""},    {"C1", "C01", ""},
                                    {"R2", "R10", ""}, {"R1A", "R1A", "x"}, {"R", "R", "x"}};
    const auto sorted = [&](RowOrder order, std::string NameRow::*field) {
        std::vector<NameRow> copy = rows;
        sortRows(copy, order);
        std::string names;
        for (const NameRow& row : copy)
            names += row.*field + " ";
        return names;
    };
    const RowOrder byOld = RowOrder{}.clicked(0);
    EXPECT_EQ(sorted(byOld, &NameRow::before), "C1 R R1A r2 R2 R10 ");
    EXPECT_EQ(sorted(byOld.clicked(0), &NameRow::before), "R10 r2 R2 R1A R C1 ");
    EXPECT_EQ(sorted(byOld.clicked(1), &NameRow::after), "C01 R R1 R1A R3 R10 ");
    EXPECT_EQ(sorted({}, &NameRow::before), "R10 r2 C1 R2 R1A R ");
}

// Part names cannot hold a comma or a quote, but a document's name and a pass's message can.
TEST(NameRows, CopyIsTabSeparatedAndCsvQuotesWhatWouldBreakAField) {
    const std::vector<NameRow> rows{{"R1", "R2", ""},
                                    {"R7", "R7", "still in effect: \"amp, rev B.sch\""},
                                    {"U3", "U4", "two\nlines"},
                                    {"R9", "R9", "as \"R9\""},
                                    {"C1", "C1", "from \"a\"\rto b"}};
    EXPECT_EQ(rowsAsText({rows[0]}), "Old name\tNew name\tNote\nR1\tR2\t\n");
    EXPECT_EQ(rowsAsCsv(rows), "Old name,New name,Note\r\nR1,R2,\r\n"
                               "R7,R7,\"still in effect: \"\"amp, rev B.sch\"\"\"\r\n"
                               "U3,U4,\"two\nlines\"\r\n"
                               "R9,R9,\"as \"\"R9\"\"\"\r\n"
                               "C1,C1,\"from \"\"a\"\"\rto b\"\r\n");
}

} // namespace
} // namespace sequate::ui
