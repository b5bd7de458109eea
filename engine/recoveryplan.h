#pragma once

// What a recovery does with the journal of a pass cut short, worked out from the journal and the
// names PowerLogic reports, before anything is done: which journal it takes up, whether it asks,
// the renames a put-back makes and the journal it writes first, the renames kept, and whether
// the layout is probed. recovery.cpp carries the steps out through the host and the ports.

#include "journalclaims.h"
#include "journalstore.h"
#include "passports.h"
#include "recoverynews.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace sequate::engine {

enum class RecoveryChoice { PutBack, Keep };

// The first of the unfinished journals that belongs to the schematic with these names and is
// not at rest: the one recovery settles. None when none is.
std::optional<std::size_t> journalToSettle(const std::vector<RenameJournal>& unfinished,
                                           const Names& now);

// The question about the journal's pass, asked with the schematic's names now.
UnfinishedPass questionAbout(const RenameJournal& journal, const Names& now);

// The renames that take the schematic from one set of names to another, each component once,
// in an order in which no rename meets a name another component still carries.
std::vector<Rename> renamesBetween(const Names& from, const Names& to);

// The layout may hold the names `from` (it was handed their file) or still the names `to`.
struct LayoutFollow {
    std::vector<Rename> renames; // from `from` to `to`; none: the layout is in step either way
    // The file that tells which: PowerPCB reads it only if the layout took `from`. None when the
    // names differ only in which component carries which.
    std::optional<EcoRows> probe;
    // The layout follows by a file the user reads in, as it followed the pass put back: the
    // file is offered in the save dialog, and nothing is probed.
    bool byFile = false;
};
LayoutFollow layoutFollow(const Names& from, const Names& to);

// What PowerPCB's answer to the probe tells: the layout took the file (follow it), refused it
// whole (already in step), or nothing (its answer never came back).
enum class ProbeAnswer { TookIt, InStep, Unknown };
ProbeAnswer probeAnswer(const host::EcoDelivery& probed);

struct PutBackPlan {
    RenameJournal journal;       // written before the first rename, temporary names included
    std::vector<Rename> renames; // from the names now to `target`
    Names target;
    std::optional<LayoutFollow> layout;     // when the layout was handed the pass's file
    std::optional<std::string> passEcoFile; // the file the pass was writing, if it was
};

struct KeepPlan {
    RenameJournal journal;              // written before the renames that stay go anywhere
    std::vector<Rename> staying;        // from the names before the pass to those now
    std::optional<LayoutFollow> layout; // when the layout was handed the pass's file
};

// Worked out only once chosen: a plan that cannot be made (no temporary name free) stops the
// recovery at that step, not another.
PutBackPlan putBackPlan(const RenameJournal& journal, const Names& now);
KeepPlan keepPlan(const RenameJournal& journal, const Names& now);

// The first step: ask, or what was decided without asking. A put-back or a keep cut short is
// carried on as it was; a pass cut short is decided by the caller, or else by the user.
struct RecoveryStart {
    std::optional<UnfinishedPass> question;
    std::optional<RecoveryChoice> decided;
};
RecoveryStart startRecovery(const RenameJournal& journal, const Names& now,
                            std::optional<RecoveryChoice> choice);

// Whether the pass Run was pressed for may follow: no journal of the schematic was found, or it
// was settled without asking the user.
bool passMayFollow(bool journalFound, bool settled, bool asked);

} // namespace sequate::engine
