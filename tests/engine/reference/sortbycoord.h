#pragma once

// Selected components in the order of their position on the sheet, run by run of equal
// letter code (runs are cut where the code changes in list order and keep their places).

#include "engine/formstate.h"

#include <memory>
#include <vector>

namespace sequate::engine::reference {

// Refills selectedNames from workList, writes sortedNames rows 0..N-1 (later rows stay) and
// returns the component of each written row. A row stands for the component it was read
// from, whatever names the pass gives later: walking by name would find a component that
// took over the name of a later row instead of the later row itself.
std::vector<std::shared_ptr<host::LogicComponent>> SortByCoord(FormState& state);

} // namespace sequate::engine::reference
