#include "siirratielta.h"

#include "engine/partname.h"
#include "engine/partnumber.h"
#include "engine/passstop.h"
#include "renaming.h"

#include <algorithm>
#include <cstdint>

namespace sequate::engine::reference {

namespace {

std::int64_t highestNumber(FormState& state) {
    std::int64_t highest = 0;
    for (const std::string& name : state.allNames)
        highest = std::max<std::int64_t>(highest, partNumberOf(name, state.numberMissing));
    return highest;
}

void moveOutOfTheWay(FormState& state, PassJournal& journal, const std::string& name,
                     std::int64_t temporary) {
    auto component = state.workList->Item(name);
    if (!component)
        throw PassStop("The component " + name +
                       " could not be found in the schematic while names were being moved "
                       "out of the way.");
    state.recordOldName(name);
    const std::string present = component->Name();
    const std::int16_t number = checkedPartNumber(temporary, "The temporary name for " + present);
    setAndRecord(state, journal, component, present,
                 withNumber(present, number, state.numberMissing));
}

// The first temporary number: start + highest + 1, raised where needed so that it lies above
// every number in use and every number the walk hands out (start to start + count - 1).
// Otherwise a design with few numbers and many components, or a start below 0, has the walk
// give a component the temporary name of one it has not reached yet, and the pass stops.
std::int64_t firstTemporary(std::int64_t start, std::int64_t highest, std::int64_t count) {
    return std::max({start + highest + 1, highest + 1, start + count});
}

} // namespace

void SiirraTielta(FormState& state, const FormWindow& window, PassJournal& journal) {
    const std::int64_t highest = highestNumber(state);
    std::int64_t moved = 0;
    for (const std::string& name : state.allNames) {
        const std::int64_t number = partNumberOf(name, state.numberMissing);
        const std::int64_t start = startNumber(window);
        const std::int64_t count = state.workList->Count();
        if (number >= start && number <= start + count && !endsInLetter(name)) {
            moveOutOfTheWay(state, journal, name, firstTemporary(start, highest, count) + moved);
            ++moved;
        }
    }
}

} // namespace sequate::engine::reference
