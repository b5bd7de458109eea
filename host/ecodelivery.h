#pragma once

// What came of handing a pass's renames to the layout: written to the file the user chose, or
// read by PowerPCB. The ECO step reports it and the pass decides on it: a pass whose renames
// did not reach the layout is undone, so that schematic and layout stay in step.

#include <string>

namespace sequate::host {

enum class EcoOutcome {
    Delivered,    // the file is written, or PowerPCB read it and it is deleted again
    Cancelled,    // the user cancelled the save dialog: nothing was written
    NotDelivered, // the file could not be written or PowerPCB could not read it
    FileLeftOver, // PowerPCB read the file, but it could not be deleted afterwards
    Unknown,      // PowerPCB stopped answering while it read the file; the file is kept
};

// Whether the file went somewhere: written where the user chose, read by PowerPCB, or kept for
// the user where PowerPCB may have read it. Nothing was written on Cancel, and a file PowerPCB
// could not take is deleted again.
inline bool fileWentSomewhere(EcoOutcome outcome) {
    return outcome == EcoOutcome::Delivered || outcome == EcoOutcome::FileLeftOver ||
           outcome == EcoOutcome::Unknown;
}

struct EcoDelivery {
    EcoOutcome outcome = EcoOutcome::Delivered;
    std::string message; // why, for every outcome but Delivered and Cancelled
    // NotDelivered because PowerPCB read the file and refused it, which leaves the layout as it
    // was: it applies a file whole or not at all.
    bool refusedWhole = false;
};

} // namespace sequate::host
