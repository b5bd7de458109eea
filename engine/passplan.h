#pragma once

// The plan of a pass: every rename the numbering makes, worked out in memory from what was read
// of the schematic. A pure function of the snapshot and the request: no host, no window.

#include "passrequest.h"
#include "rename.h"
#include "schematicsnapshot.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace sequate::engine {

struct PassPlan {
    // The renames the schematic goes through, in the order made: each component whose name
    // changes once, straight to its final name, and a temporary name only where names go round
    // in a ring. The ECO file's records.
    std::vector<Rename> renames;
    std::vector<std::string> unnamed; // kept their names: they end in a letter
    // Kept their names because the request leaves them alone, in walk order; those ending in a
    // letter are among unnamed instead.
    std::vector<std::string> leftAlone;
    // The request's leave-alone entries that match no component of the document, as typed.
    std::vector<std::string> unmatchedEntries;
    // The components in the order they were numbered, those left alone among them.
    std::vector<std::size_t> walk;
    // Why the pass cannot be made; then nothing of it is applied.
    std::optional<std::string> stop;

    bool operator==(const PassPlan&) const = default;
};

PassPlan planPass(const SchematicSnapshot& snapshot, const PassRequest& request);

// Said when a pass over all components numbers only the two or more selected ones and a name
// it wants belongs to a component outside the selection.
std::string outsideSelectionHint(const std::string& name);

} // namespace sequate::engine
