#pragma once

// What a pass reads of the schematic, once, after PowerLogic has begun the pass: nothing but
// the pass changes the schematic until it ends, so everything after the read is worked out in
// memory.

#include <cstddef>
#include <string>
#include <vector>

namespace sequate::engine {

struct ComponentPosition {
    std::size_t row = 0; // position in the work list, from 0
    std::string first;   // coordinate texts of the first placed element, which the order of
    std::string second;  // the old program compares
    double across = 0;   // the same coordinates as numbers
    double up = 0;
};

struct SchematicSnapshot {
    // Every component of the document, in document order.
    std::vector<std::string> names;
    // The list the pass numbers: the selection when two or more components are selected,
    // otherwise every component. Indices into names.
    std::vector<std::size_t> workList;
    bool workListIsSelection = false;
    // The components of the work list the pass numbers, in list order, with their positions:
    // the selected ones for a pass over the selected components, every one for a pass over all
    // components ordered by position, none otherwise.
    std::vector<ComponentPosition> positions;
};

} // namespace sequate::engine
