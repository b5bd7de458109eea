#pragma once

// What a recovery asks and tells, as values: counts, names, what is in effect and what the
// layout probe found. ui/recoverytexts.h words them; the engine holds none of the sentences.
// Words that another part of Sequate already chose (PowerLogic's pass lock, the ECO step, a
// journal that cannot be read) travel as they are.

#include "hostfault.h"

#include <cstddef>
#include <optional>
#include <string>
#include <variant>

namespace sequate::engine {

// The question about a pass cut short: put its renames back, or keep them.
struct UnfinishedPass {
    std::string document;       // the schematic's file name; empty when the journal names none
    std::size_t inEffect = 0;   // components whose name differs from the one before the pass
    std::size_t renamed = 0;    // components the pass set out to rename
    bool layoutMayHold = false; // PowerPCB was reading the pass's ECO file

    bool operator==(const UnfinishedPass&) const = default;
};

// What a recovery was doing when something failed.
enum class RecoveryActivity {
    LookingForJournal,
    ReadingNames,
    PlanningPutBack,
    WritingPutBackJournal,
    WorkingOutKept,
    WritingKeptJournal,
    HandingOverKept,
    BringingLayoutInStep,
};

// What the layout probe, or the lack of one, found once the schematic's names were made.
enum class LayoutFinding {
    NothingToFollow,   // the names the layout may hold are the schematic's either way
    AlreadyInStep,     // PowerPCB refused the probe whole: the layout never took the pass
    TookSameRenames,   // the layout took the pass's file, and now the renames that follow it
    ByHandFileSaved,   // the names cannot tell: a file to read in by hand was saved
    ByHandNoFileSaved, // the names cannot tell, and the user saved no file
    // The layout follows the last pass's put-back by a file the user reads in:
    PutBackFileSaved,   // saved
    PutBackFileUnsaved, // the save dialog was cancelled
};

namespace recovery {

// Words of another part of Sequate, told as they are.
struct Said {
    std::string text;
    bool operator==(const Said&) const = default;
};
// The open schematic could not be reached: PowerLogic's code and its own words.
struct SchematicOutOfReach {
    host::HostCode code = host::HostCode::Failed;
    std::string detail;
    bool operator==(const SchematicOutOfReach&) const = default;
};
// What ending PowerLogic's pass had to tell.
struct PassLockTold {
    PassLockNews news;
    bool operator==(const PassLockTold&) const = default;
};
// A journal that cannot be read, moved aside (or not) so that it is never acted on.
struct UnreadableJournal {
    std::string problem;  // the journal reader's words
    std::string aside;    // where it was moved
    std::string notMoved; // why it could not be, when it could not
    bool operator==(const UnreadableJournal&) const = default;
};
struct NotSettled {
    RecoveryActivity activity = RecoveryActivity::LookingForJournal;
    std::string renaming; // the rename under way, in the renaming step's words, when one was
    std::string problem;  // in the words of the part that met it
    bool putBackBegun = false;
    std::optional<HostFault> fault; // PowerLogic's failure, told after the problem's words
    bool operator==(const NotSettled&) const = default;
};
struct ChangedWhileAsked {
    bool operator==(const ChangedWhileAsked&) const = default;
};
struct PutBackMade {
    std::size_t renames = 0;
    std::optional<std::string> passEcoFile; // the ECO file the pass was writing, if it was
    // What the layout is now, once it followed; none when that is not known.
    std::optional<LayoutFinding> layout;
    bool operator==(const PutBackMade&) const = default;
};
// Kept renames in a layout that followed them.
struct LayoutFollowed {
    LayoutFinding finding = LayoutFinding::AlreadyInStep;
    bool operator==(const LayoutFollowed&) const = default;
};
// The ECO step's words about the kept renames' file, and what it came to.
struct KeptFileLeftOver {
    std::string ecoWords;
    bool operator==(const KeptFileLeftOver&) const = default;
};
struct KeptFileNotDelivered {
    std::string ecoWords;
    bool operator==(const KeptFileNotDelivered&) const = default;
};
struct LayoutFileNotSaved {
    std::string ecoWords;
    bool operator==(const LayoutFileNotSaved&) const = default;
};
struct LayoutNotKnown {
    std::string ecoWords;
    bool operator==(const LayoutNotKnown&) const = default;
};
// Run was pressed for a pass, and it does not follow the recovery.
struct PassHeldBack {
    bool asked = false; // the user was asked about the pass cut short
    bool operator==(const PassHeldBack&) const = default;
};

using News = std::variant<Said, SchematicOutOfReach, PassLockTold, UnreadableJournal, NotSettled,
                          ChangedWhileAsked, PutBackMade, LayoutFollowed, KeptFileLeftOver,
                          KeptFileNotDelivered, LayoutFileNotSaved, LayoutNotKnown, PassHeldBack>;

} // namespace recovery

// One box a recovery shows, once PowerLogic is let go.
struct RecoveryMessage {
    // An outcome the user chose (a put-back made, kept renames the layout took too): the
    // information icon; otherwise something could not be done.
    bool information = false;
    recovery::News news;
    // Why the pass Run was pressed for does not follow, said after the news.
    std::optional<recovery::PassHeldBack> then;

    bool operator==(const RecoveryMessage&) const = default;
};

} // namespace sequate::engine
