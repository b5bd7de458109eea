#pragma once

// The walk of a pass ordered by position on the sheet: rows from the top, each left to right
// ("Across, then down"), or columns from the left, each top to bottom ("Down, then across").
// The first coordinate grows to the right and the second upwards, so the top of the sheet has
// the greatest second coordinate.
//
// Parts placed by hand in one row are seldom exactly level: a part joins a row when its second
// coordinate lies within rowTolerance of the row's first part, its anchor. Measuring from the
// anchor, not from the last part that joined, keeps a row from creeping down a slanted column
// of parts. Parts with equal keys keep their list order.

#include "passrequest.h"

#include <cstddef>
#include <vector>

namespace sequate::engine {

// In mils: two steps of PowerLogic's default design grid of 100 mils.
inline constexpr double rowTolerance = 200;

struct SheetPoint {
    double across = 0; // the first coordinate
    double up = 0;     // the second coordinate
};

// Positions into points, in walk order. order is AcrossThenDown or DownThenAcross.
std::vector<std::size_t> sheetOrder(const std::vector<SheetPoint>& points, WalkOrder order);

} // namespace sequate::engine
