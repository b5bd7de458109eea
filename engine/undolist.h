#pragma once

// The renames a pass has made in the schematic, kept with the components they were made on,
// so that a pass that cannot finish can put every name back.

#include "host/powerlogic.h"
#include "passstop.h"
#include "progress.h"
#include "rename.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace sequate::engine {

// A rename PowerLogic would not undo, and its failure.
struct UndoFailure {
    Rename rename;
    HostFault fault;
    bool operator==(const UndoFailure&) const = default;
};

struct UndoReport {
    bool complete = true;
    std::optional<UndoFailure>
        failure;                       // the first that went wrong while undoing, when not complete
    std::vector<Rename> stillInEffect; // oldest first
    // PowerLogic stopped answering: the older renames were not tried, and calls it has queued
    // may still take effect when it answers again.
    bool hostLost = false;
};

class UndoList {
public:
    void add(std::shared_ptr<host::LogicComponent> component, Rename rename);
    // The name the host reports after the newest rename.
    void confirmLast(std::string after);
    std::size_t size() const { return mEntries.size(); }

    // Newest first. Tells the first rename the host would not undo and every one left. The
    // progress, where given, counts the renames tried in a phase of putting back, so that a window
    // showing it still responds while a long pass is put back; the user's request to stop is not
    // asked again.
    UndoReport undo(const ProgressPort* progress = nullptr);

private:
    struct Entry {
        std::shared_ptr<host::LogicComponent> component;
        Rename rename;
    };
    std::vector<std::size_t> nextRenames() const;
    std::size_t putBackPast(std::size_t undone, const std::vector<std::size_t>& next,
                            std::vector<std::optional<UndoFailure>>& failures) const;

    std::vector<Entry> mEntries;
};

} // namespace sequate::engine
