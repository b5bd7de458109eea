#pragma once

// Pass > Put back the last pass: the newest completed pass of the open schematic is taken
// back, schematic and layout both, from the journal it left (completedpass.h). Before any
// rename it checks that every component the pass renamed still carries the name the pass gave
// it and that no other component took a name it would give back, and, where the pass's ECO
// file reached PowerPCB, that PowerPCB can read the file that takes it back. Then it asks,
// showing what it will do, with PowerLogic not held. The put-back is journaled as recovery
// journals its own, so that one cut short is carried on at the next start; the layout gets the
// reverse ECO file under the rules of a pass (PowerPCB reads it whole or not at all, and a
// refusal puts the put-back itself back), and where the pass's file went to a file of the
// user's, the reverse file is offered in the save dialog. Once done, the pass's journal goes:
// the next put-back takes back the pass before.

#include "hostsession.h"
#include "journalformat.h"
#include "numberingpass.h"
#include "passports.h"
#include "passstop.h"
#include "undolist.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace sequate::engine {

// What the put-back will do, shown before it is made: the pass's renames, taken back, how many
// go by way of a temporary name, and where the pass's ECO file went.
struct PutBackPreview {
    std::string document;
    std::vector<Rename> renamed; // the pass's, in its order
    std::size_t byTemporaryName = 0;
    HandOver eco = HandOver::None;
    std::string ecoPath; // where the pass's file went, when to a file of the user's
};

// Why the put-back was not made, or stopped.
struct PutBackProblem {
    enum class Rule {
        NotAttached,          // start-up took up no document
        SchematicUnreachable, // the document's name could not be read: `code`, host's words in
                              // detail
        NothingKept,          // no completed pass of `document` is kept
        ComponentCount,       // the schematic has `now` components, the pass saw `then`
        RenamedSince,         // the component `rename` renamed is named `present` now
        NameTakenSince,       // another component took `rename.before`
        ChangedWhileAsked,    // the schematic changed while the preview was open
        PowerPcbCannotTake,   // the layout is to follow and cannot: the ECO step's words in detail
        HostFailed,           // a call failed while `activity`: `code`, the host's words in detail
        Unexpected,           // an exception while `activity`: its words in detail
        Stopped,              // a check of the renames stopped it: its own words in detail
        SaveCancelled,        // the save dialog of the reverse file was cancelled
        EcoNotDelivered,      // the reverse file went nowhere: the ECO step's words in detail
        UnfinishedFirst,      // a journal of the schematic cut short was settled, or waits
        LastPassUnreadable,   // the newest kept pass of `document` cannot be read: why in detail
    };

    explicit PutBackProblem(Rule rule, std::string detail = {})
        : rule(rule), detail(std::move(detail)) {}

    Rule rule;
    std::string detail;
    std::string activity; // what it was doing, such as "putting the names back"
    host::HostCode code = host::HostCode::Failed;
    std::optional<HostFault> fault; // Stopped: the host's failure the check met, told after it
    std::string document;
    Rename rename;
    std::string present;
    std::size_t now = 0, then = 0;
};

// How the put-back ended.
enum class PutBackEnd {
    Done,           // every name the pass gave is back, and the layout followed
    Declined,       // the user said no to the preview: nothing is told
    ProblemAlone,   // the problem is all there is to tell
    NothingChanged, // refused or stopped before its first rename
    TakenBack,      // stopped, its own renames put back: the pass can still be put back
    LeftInEffect,   // stopped, and putting its own renames back failed too (`undo`)
};

struct PutBackOutcome {
    explicit PutBackOutcome(PutBackEnd end) : end(end) {}
    bool done() const { return end == PutBackEnd::Done; }

    PutBackEnd end;
    std::optional<PutBackProblem> problem; // for every end but Done and Declined
    std::size_t passRenames = 0;           // the renames of the pass put back
    std::vector<Rename> renames;           // made and in effect, in order, temporary names included
    std::optional<EcoSent> eco;            // the reverse file, when one was handed over
    std::optional<UndoReport> undo;        // LeftInEffect: what stays and why
    // The journal's own words, when the put-back's journal could be neither removed nor marked
    // finished, and when the pass could not be kept again to be put back later.
    std::string journalNotSettled;
    std::string passNotKept;
};

// Shown what the put-back will do; true to go on.
using ConfirmPutBack = std::function<bool(const PutBackPreview& preview)>;

// A pass or a put-back of this schematic that was cut short is settled first, as Run settles it
// (renames kept go where `eco` says); the last pass is then not put back, since what was cut
// short may have been the put-back asked for before: the user asks again, knowing.
PutBackOutcome putBackLastPass(HostSession& state, const PassPorts& ports,
                               const ConfirmPutBack& confirm, EcoDestination eco);

} // namespace sequate::engine
