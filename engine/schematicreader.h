#pragma once

// The read of a pass: everything the plan needs from PowerLogic, each thing asked for once.
// For every component of the work list its name; for a pass over the selected components also
// where each selected one lies, for a pass over all components ordered by position where each
// one lies, and, when the work list is the selection, every component's name, since a name is
// taken when any component of the document carries it.

#include "host/powerlogic.h"
#include "passrequest.h"
#include "progress.h"
#include "schematicsnapshot.h"

#include <memory>
#include <string>
#include <vector>

namespace sequate::engine {

struct SchematicRead {
    SchematicSnapshot snapshot;
    // The host's object for each of snapshot.names, to rename it by.
    std::vector<std::shared_ptr<host::LogicComponent>> components;
    std::shared_ptr<host::LogicObjects> workList;
};

// `activity` says what the read is doing at each moment, for the message when a call fails.
// The progress counts the components read.
SchematicRead readSchematic(host::LogicDocument& document, PassScope scope, WalkOrder order,
                            const ProgressPort& progress, std::string& activity);

} // namespace sequate::engine
