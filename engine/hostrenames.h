#pragma once

// The renames PowerLogic is sent for a plan. The plan goes through temporary names, and gives
// many components the name they already carry; PowerLogic needs neither. Each component whose
// name changes is renamed once, straight to its final name, in an order in which no rename
// meets a name that another component still carries. Components that pass their names round
// in a ring need one temporary name for one of them.

#include "passplan.h"
#include "schematicsnapshot.h"

#include <vector>

namespace sequate::engine {

// Throws PassStop when a ring finds no free temporary name.
std::vector<Rename> hostRenames(const SchematicSnapshot& snapshot, const PassPlan& plan);

} // namespace sequate::engine
