#pragma once

// One rename, the same everywhere: in the plan, the renames sent to PowerLogic, the undo list,
// the journal, recovery's put-back, the ECO rows, the report and the result of a pass.

#include <compare>
#include <cstddef>
#include <string>
#include <vector>

namespace sequate::engine {

// A component's place in the document's list of components, counted from 0. PowerLogic's list
// calls count from 1 (componentlist.h converts), and so does the journal file (its reader and
// writer convert).
class ComponentIndex {
public:
    constexpr ComponentIndex() = default;
    constexpr explicit ComponentIndex(std::size_t index) : mIndex(index) {}
    constexpr std::size_t value() const { return mIndex; }

    constexpr auto operator<=>(const ComponentIndex&) const = default;

private:
    std::size_t mIndex = 0;
};

struct Rename {
    ComponentIndex component;
    std::string before;
    std::string after;

    bool operator==(const Rename&) const = default;
};

// The names after the renames, each made in order on the component it names.
std::vector<std::string> namesAfter(std::vector<std::string> names,
                                    const std::vector<Rename>& renames);

// Each component whose name differs between the two lists of one document, in document order.
std::vector<Rename> changedNames(const std::vector<std::string>& before,
                                 const std::vector<std::string>& after);

} // namespace sequate::engine
