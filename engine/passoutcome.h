#pragma once

// What came of a numbering pass, as data: the engine says what happened, where and by which
// rule, and ui/ puts it in the user's words. A pass ends in exactly one of four ways, and none
// of them is what a value made without thought would mean: an outcome is always made knowingly.

#include "host/ecodelivery.h"
#include "host/hostfailure.h"
#include "passplan.h"
#include "passrequest.h"
#include "passstop.h"
#include "rename.h"
#include "undolist.h"

#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace sequate::engine {

// What went wrong, while doing what, and which rule it broke. Made only with its rule.
struct Problem {
    enum class Rule {
        NotAttached,        // start-up took up no PowerLogic document
        HostFailed,         // a call of PowerLogic's failed: `code`, the host's own words in detail
        Unexpected,         // an exception nobody expected: its words in detail
        Stopped,            // a check of the pass stopped it: its own words in detail
        StoppedByUser,      // the user asked the pass to stop: the words in detail
        NameOfSeveral,      // parts[0] names `count` components: the layout cannot tell them apart
        LayoutCannotName,   // the ECO file cannot name parts[0]: the layout's rule in detail
        LayoutCannotCarry,  // parts[0] would be renamed to parts[1], which the layout cannot carry
        PowerPcbCannotTake, // PowerPCB cannot read the file now: its words in detail
        JournalNotWritten,  // the journal of the pass could not be written: its words in detail
        SaveCancelled,      // the save dialog was cancelled and the renames were not kept
        EcoNotDelivered,    // the ECO file went nowhere: the ECO step's words in detail
        EcoStepThrew,       // the ECO step threw past its checks: its words in detail, or none
    };

    Problem(Rule rule, std::string activity, std::string detail = {})
        : rule(rule), activity(std::move(activity)), detail(std::move(detail)) {}

    Rule rule;
    std::string activity; // what the pass was doing, such as "renaming the components"
    std::string detail;
    std::vector<std::string> parts; // the part names it concerns
    std::size_t count = 0;
    host::HostCode code = host::HostCode::Failed; // HostFailed only
    std::optional<HostFault> fault; // Stopped: the host's failure the check met, told after it

    bool operator==(const Problem&) const = default;
};

// What came of the ECO step of a pass.
struct EcoSent {
    EcoDestination destination = EcoDestination::None;
    // Once the file was handed over: what came of it.
    std::optional<host::EcoDelivery> delivery;
    std::string path; // the file as it was handed over: the one chosen, or the one PowerPCB read
    // The pass changed nothing, so PowerPCB was not asked to read a file (a file the user
    // chose is still written, with no renames).
    bool nothingToRead = false;

    bool went(host::EcoOutcome outcome) const { return delivery && delivery->outcome == outcome; }
};

// What the user is told once a pass has ended, besides its outcome. Each carries the words of
// the layer that found it.
struct AfterPassNote {
    enum class What {
        EcoUnknown,            // whether the layout took the file is not known: the journal stays
        EcoLeftOver,           // the file was read, but is left over
        JournalNotSettled,     // the journal could be neither removed nor marked finished
        NotKeptForPuttingBack, // Put back the last pass cannot take this pass back
        OlderJournalsSetAside, // older journals were set aside before the first rename
        KeptPassSetAside,      // the file at `detail` among the kept passes, too large, set aside
    };
    What what;
    std::string detail;

    bool operator==(const AfterPassNote&) const = default;
};

// Every rename of the plan is in effect.
struct PassCompleted {
    // The plan applied, whose renames (the schematic's, in the order made) are the ECO file's
    // rows, and each component whose name changed, in document order.
    PassPlan applied;
    std::vector<Rename> changed;
    // The name of every component as the pass read it, in document order.
    std::vector<std::string> namesRead;
    std::optional<EcoSent> eco; // nothing when no ECO file was asked for
    std::vector<AfterPassNote> notes;
};

// What a pass that ended short says besides its problem: what it says of older journals set
// aside, and what ending PowerLogic's pass could not do.
struct StopNotes {
    std::string setAside;
    PassLockNews passNotEnded;
};

// The pass stopped after it had begun renaming, and put back every name it could.
struct PassStopped {
    Problem problem;
    std::size_t made = 0;     // the renames made before the stop
    UndoReport undo = {};     // what putting them back left in effect
    bool journalKept = false; // the journal stays for the next Run or start to offer a put-back
    bool byUser = false; // the user asked it to stop, or would not keep renames without an ECO file
    std::optional<EcoSent> eco = {}; // the ECO step, when it was tried
    StopNotes notes = {};
    std::vector<AfterPassNote> after = {}; // told after the stop
};

// A previewed plan was not applied: the schematic changed since. Nothing was renamed.
struct PlanChanged {
    PassPlan plan; // the plan of the schematic as it is now
    std::vector<std::string> namesRead;
};

// A stop the pass found before its first rename: nothing changed.
struct RefusedBeforeRenaming {
    Problem problem;
    StopNotes notes = {};
};

// The stopped outcome comes first, so that no outcome is made by default.
using PassOutcome = std::variant<PassStopped, PassCompleted, PlanChanged, RefusedBeforeRenaming>;

// The renames in effect after the pass, in the order made: the plan's when it completed, those
// it could not put back when it stopped, none otherwise.
const std::vector<Rename>& renamesInEffect(const PassOutcome& outcome);
// The ECO step of the pass, once it was tried.
const std::optional<EcoSent>& ecoOf(const PassOutcome& outcome);

} // namespace sequate::engine
