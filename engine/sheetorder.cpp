#include "sheetorder.h"

#include <algorithm>
#include <numeric>

namespace sequate::engine {

std::vector<std::size_t> sheetOrder(const std::vector<SheetPoint>& points, WalkOrder order) {
    const bool rows = order != WalkOrder::DownThenAcross;
    // A row's key runs down the sheet (second coordinate falling), a column's to the right; within
    // a row the parts go right, within a column down.
    const auto lineKey = [&](std::size_t i) { return rows ? -points[i].up : points[i].across; };
    const auto alongKey = [&](std::size_t i) { return rows ? points[i].across : -points[i].up; };

    std::vector<std::size_t> walk(points.size());
    std::iota(walk.begin(), walk.end(), std::size_t{0});
    std::stable_sort(walk.begin(), walk.end(),
                     [&](std::size_t a, std::size_t b) { return lineKey(a) < lineKey(b); });
    for (auto begin = walk.begin(); begin != walk.end();) {
        const double anchor = lineKey(*begin);
        const auto end = std::find_if(
            begin, walk.end(), [&](std::size_t i) { return lineKey(i) - anchor > rowTolerance; });
        std::sort(begin, end, [&](std::size_t a, std::size_t b) {
            return alongKey(a) != alongKey(b) ? alongKey(a) < alongKey(b) : a < b;
        });
        begin = end;
    }
    return walk;
}

} // namespace sequate::engine
