// The walk across or down the sheet: rows (columns) grouped within 200 of their anchor, each
// walked along, equal keys in list order.

#include "engine/sheetorder.h"

#include <gtest/gtest.h>

namespace sequate::engine {
namespace {

TEST(SheetOrder, RowsFromTheTopAndColumnsFromTheLeftWithinTheTolerance) {
    using Points = std::vector<SheetPoint>;
    using Walk = std::vector<std::size_t>;
    const struct {
        const char* what;
        Points points;
        Walk across; // AcrossThenDown
        Walk down;   // DownThenAcross
    } cases[] = {
        {"200 below the anchor joins its row, 201 does not",
         {{300, 800}, {100, 1000}, {200, 799}},
         {1, 0, 2},
         {1, 0, 2}},
        {"the anchor, not the last to join, bounds the row",
         {{300, 1000}, {200, 850}, {100, 700}, {0, 550}},
         {1, 0, 3, 2},
         {1, 2, 3, 0}},
        {"a row's parts go left to right whatever their height within it",
         {{500, 1000}, {0, 900}, {250, 1100}},
         {1, 2, 0},
         {1, 2, 0}},
        {"columns: 200 to the right of the anchor joins, 201 does not; top to bottom",
         {{200, 0}, {0, 0}, {201, 500}, {150, 100}},
         {2, 1, 3, 0},
         {3, 0, 1, 2}},
        {"equal positions keep list order",
         {{7, 7}, {7, 7}, {-3.5, 7}, {7, 7}},
         {2, 0, 1, 3},
         {0, 1, 2, 3}},
        {"the first coordinate grows to the right, the second upwards",
         {{-1000, -1000}, {1000, 1000}, {-1000, 1000}, {1000, -1000}},
         {2, 1, 0, 3},
         {2, 0, 1, 3}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sheetOrder(c.points, WalkOrder::AcrossThenDown), c.across) << c.what;
        EXPECT_EQ(sheetOrder(c.points, WalkOrder::DownThenAcross), c.down) << c.what;
    }
}

} // namespace
} // namespace sequate::engine
