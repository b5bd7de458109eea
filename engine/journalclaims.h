#pragma once

// Which names a journal takes for its own. A journal "explains" the names of a schematic when
// each component carries its name before the journal's renames or a name one of them gave it;
// recovery then offers to put them back. A journal left where its renames are not in effect
// (the design reopened from disk, or an unchanged copy of it open) must never come to explain
// names that a later pass gave: before the first rename of a pass, and once recovery settled a
// journal, every other journal that would take the names then given for its own is set aside,
// with a message naming it. Set aside, never removed: its renames may be in effect on a copy.

#include "journalstore.h"
#include "passports.h"

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace sequate::engine {

using Names = std::vector<std::string>;

// The names before the journal's renames. A journal of version 1 kept only the names it
// changed; every other component carries the name it had.
Names namesBefore(const RenameJournal& journal, const Names& now);
Names namesAfter(const RenameJournal& journal, const Names& now);

// Whether the names now are ones the journal's renames could have left. A design of the same
// file name whose names are otherwise is another schematic.
bool belongsTo(const RenameJournal& journal, const Names& now);

// Whether the journal's schematic is where it would be left anyway, with nothing for the
// layout (a put-back of the last pass whose layout follows by file always has a file to write):
// recovery leaves it as it is, since it may be another copy of the design, whose own pass is not
// settled.
bool atRest(const RenameJournal& journal, const Names& now);

// Whether recovery would take the journal for one to settle at one of these names: those after
// each of `renames` made in order from `now`, or `now` itself when there are none.
bool wouldClaim(const RenameJournal& journal, const Names& now, const std::vector<Rename>& renames);

// Sets aside (renamed "*.set-aside") every journal of `document` in `folder`, but those in
// `leave`, that would claim one of those names, whatever its kind or marks. Returns what the
// user is to be told, empty when nothing was set aside. Throws JournalError naming a journal
// that would claim them and cannot be set aside: nothing may then be renamed.
std::string setAsideJournalsClaiming(const std::filesystem::path& folder,
                                     const std::string& document, const Names& now,
                                     const std::vector<Rename>& renames,
                                     const std::set<std::filesystem::path>& leave);

// A file that only renames each name of `from` that `to` lacks, and back: PowerPCB reads it
// only if its layout has all of them, which tells a layout that took a file from one that did
// not, even one that was out of step before. None when the names differ only in which
// component carries which.
std::optional<EcoRows> probeRows(const Names& from, const Names& to);

} // namespace sequate::engine
