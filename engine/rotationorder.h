#pragma once

// The order of one letter-code run of selected components by position: ascending by the
// first coordinate rounded to a whole number; among rows whose first-coordinate texts are
// identical, the greater second-coordinate text (compared as text) first. Rows whose rounded
// first coordinates are equal but whose texts differ are in no relation to each other; they
// come out in the order that the rotation sort leaves them:
//
// at each position the row that stays is the first row, in the current cyclic order of the
// rows not yet placed, that must move behind none of them, and the rows passed over keep
// their cyclic order behind it.
//
// Since passing over rows never changes their cyclic order, the rows not yet placed are
// always in their original cyclic order, and the next row is the first eligible one after
// the row placed last. This finds it in O(log n) instead of rotating.

#include <cstddef>
#include <string>
#include <vector>

namespace sequate::engine {

// A selected component's name and position, both coordinates as PowerLogic gives them in text.
struct SortedRow {
    std::string name;
    std::string first;
    std::string second;

    bool operator==(const SortedRow&) const = default;
};

// Positions into run, in their new order.
std::vector<std::size_t> rotationOrder(const std::vector<SortedRow>& run);

} // namespace sequate::engine
