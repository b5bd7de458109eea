#pragma once

// Sending PowerLogic the renames of a plan, one by one, each read back. Every rename that may
// have been made goes into the undo list at once, and its mark into the journal on disk.

#include "host/powerlogic.h"
#include "journalstore.h"
#include "passplan.h"
#include "progress.h"
#include "undolist.h"

#include <memory>
#include <string>
#include <vector>

namespace sequate::engine {

struct RenameTarget {
    const std::vector<std::shared_ptr<host::LogicComponent>>& components;
    UndoList& undo;
    JournalWriter* disk = nullptr; // none when nothing is renamed
};

// Throws RenameRefused when PowerLogic will not take a name, PassStop when a rename cannot be
// confirmed. `activity` names the rename under way; `phase` is what the progress says the renames
// are for.
void applyRenames(const RenameTarget& target, const std::vector<Rename>& renames,
                  const ProgressPort& progress, std::string& activity,
                  ProgressPhase phase = ProgressPhase::Renaming);

} // namespace sequate::engine
