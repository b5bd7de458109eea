#include "sortbycoord.h"

#include "engine/coordinatetext.h"
#include "engine/partname.h"
#include "engine/passstop.h"
#include "engine/rotationorder.h"

#include <cmath>
#include <cstddef>

namespace sequate::engine::reference {

namespace {

using ComponentPtr = std::shared_ptr<host::LogicComponent>;

// The selected components of workList with their names, in list order; selectedNames gets
// the names.
std::vector<ComponentPtr> selectedComponents(FormState& state) {
    state.selectedNames.clear();
    std::vector<ComponentPtr> components;
    std::int32_t i = 1;
    do {
        auto component = state.workList->Item(i);
        if (component->Selected()) {
            state.selectedNames.push_back(component->Name());
            components.push_back(std::move(component));
        }
        ++i;
    } while (i <= state.workList->Count());
    return components;
}

// Lengths of the runs of equal letter code, in order.
std::vector<std::size_t> codeRuns(const std::vector<std::string>& names) {
    std::vector<std::size_t> runs;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i == 0 || letterCode(names[i]) != letterCode(names[i - 1]))
            runs.push_back(0);
        ++runs.back();
    }
    return runs;
}

std::string positionText(double coordinate, const std::string& name) {
    if (!std::isfinite(coordinate))
        throw PassStop("PowerLogic gave " + name +
                       " a position that is not a number, so the selected components cannot "
                       "be ordered by position.");
    return coordinateText(coordinate);
}

SortedRow readPosition(host::LogicComponent& component, const std::string& name) {
    std::shared_ptr<host::LogicPlacement> placement;
    try {
        placement = component.Placements()->Item(1);
        if (!placement)
            throw host::HostFailure(host::HostCode::BadIndex, "no placed element");
        const double first = placement->FirstCoordinate(0);
        const double second = placement->SecondCoordinate(0);
        return {name, positionText(first, name), positionText(second, name)};
    } catch (const host::HostFailure& failure) {
        if (failure.code() == host::HostCode::BadIndex)
            throw PassStop(name + " is not placed on the sheet, so the selected components cannot "
                                  "be ordered by position.");
        throw PassStop("The position of " + name +
                       " could not be read: " + describeFailure(failure) + ".");
    }
}

} // namespace

std::vector<ComponentPtr> SortByCoord(FormState& state) {
    std::vector<ComponentPtr> components = selectedComponents(state);
    std::vector<SortedRow> rows;
    rows.reserve(components.size());
    for (std::size_t i = 0; i < components.size(); ++i)
        rows.push_back(readPosition(*components[i], state.selectedNames[i]));

    if (state.sortedNames.size() < rows.size())
        state.sortedNames.resize(rows.size());
    std::vector<ComponentPtr> ordered;
    ordered.reserve(rows.size());
    std::size_t offset = 0;
    for (std::size_t length : codeRuns(state.selectedNames)) {
        const std::vector<SortedRow> run(rows.begin() + offset, rows.begin() + offset + length);
        const std::vector<std::size_t> order = rotationOrder(run);
        for (std::size_t p = 0; p < length; ++p) {
            state.sortedNames[offset + p] = run[order[p]];
            ordered.push_back(components[offset + order[p]]);
        }
        offset += length;
    }
    return ordered;
}

} // namespace sequate::engine::reference
