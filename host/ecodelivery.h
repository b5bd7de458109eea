#pragma once

// What came of handing a pass's renames to the layout: written to the file the user chose, or
// read by PowerPCB. The ECO step reports it and the pass decides on it: a pass whose renames
// did not reach the layout is undone, so that schematic and layout stay in step. A problem is
// data (what, where, which rule); the window's layer words it (ui/ecotexts.h).

#include "hostfailure.h"
#include "partnamerules.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <variant>

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

// The step of the ECO step in which something failed that has no problem of its own below.
enum class EcoStage {
    ChosenFile,    // writing the file the user chose, the journal's note before it included
    Text,          // making the ECO text for PowerPCB
    SchematicName, // reading the schematic's name, which names the file
    ReachPowerPcb,
    TakeLayout,  // the layout open in PowerPCB
    MakeFolder,  // the private folder the file goes in
    WriteFile,   // the file PowerPCB is to read
    NoteHandOff, // the journal's note of the hand-off
    ProbeRead,   // the probe that finds out whether a failed read took effect
};

// A failure in a stage, with the host's or the system's own reason and, from the host, its code.
struct EcoStageFailed {
    EcoStage stage;
    std::string reason;
    std::optional<HostCode> code;
};

// A name the ECO file cannot carry: which rename, which of its two names, and the rule broken.
struct EcoNameRefused {
    enum class Side { Old, New };
    std::string name;
    Side side;
    std::size_t renameNumber; // from 1
    NameFault rule;
};

// The old and the new names of the renames do not pair up.
struct EcoRowsUneven {
    std::size_t oldNames, newNames;
};

// The file at `path` could not be written; `detail` is the link not followed, what stands at
// the path instead of a file, or the system's reason.
struct EcoFileUnwritten {
    enum class Fault { NoFileName, NamesAFolder, UntrustedLink, NotAFile, System };
    Fault fault;
    std::string path;
    std::string detail;
};

// The private folder for PowerPCB's file could not be made: no temporary folder was found
// (`parent` empty), or none could be made in `parent`.
struct EcoFolderUnmade {
    std::string parent;
    std::string reason;
};

// Why PowerPCB cannot take a file now, which the user sets right in PowerPCB.
enum class LayoutAbsence { PowerPcbNotRunning, NoLayoutOpen };

// PowerPCB read the file and refused it, found out from its answer, or, after an answer that
// may have been lost, from the probe (`byProbe`): the layout is as it was.
struct EcoReadRefused {
    std::string reason;
    HostCode code;
    bool byProbe;
};

struct EcoProblem;

// PowerPCB's answer to the file failed and nothing tells whether the layout took it: the file
// is kept at `keptFile`. `probeFailure` is why the probe did not tell; none when no name tells.
struct EcoAnswerLost {
    std::string reason;
    HostCode code;
    std::string keptFile;
    std::shared_ptr<const EcoProblem> probeFailure;
};

// PowerPCB read the file, which could then not be deleted.
struct EcoFileNotDeleted {
    std::string path;
    std::string reason;
};

// PowerLogic has no schematic open, whose name the file would take.
struct EcoNoSchematic {};

// A runner given no file for "Write only" writes none; `program` is the runner's name.
struct EcoNoFileGiven {
    std::string program;
};

// Something the ECO step did not foresee.
struct EcoUnexpected {};

// The ECO step threw past its own checks while the pass handed the file over: the exception's
// words, none when it had none.
struct EcoStepThrew {
    std::string reason;
};

struct EcoProblem {
    std::variant<EcoStageFailed, EcoNameRefused, EcoRowsUneven, EcoFileUnwritten, EcoFolderUnmade,
                 LayoutAbsence, EcoReadRefused, EcoAnswerLost, EcoFileNotDeleted, EcoNoSchematic,
                 EcoNoFileGiven, EcoUnexpected, EcoStepThrew>
        what;
};

// No outcome is assumed: whoever reports one says what happened.
struct EcoDelivery {
    EcoDelivery(EcoOutcome outcome, std::string message = {}, bool refusedWhole = false)
        : outcome(outcome), message(std::move(message)), refusedWhole(refusedWhole) {}

    EcoOutcome outcome;
    // Why, for every outcome but Delivered and Cancelled: the problem, where the ECO library
    // found it, and its words, which the pass quotes.
    std::optional<EcoProblem> problem;
    std::string message;
    // NotDelivered because PowerPCB read the file and refused it, which leaves the layout as it
    // was: it applies a file whole or not at all.
    bool refusedWhole = false;
};

} // namespace sequate::host
