#pragma once

// The text of a pass's journal, without the disk (engine/journalstore.h keeps it there). One
// journal per pass, small and readable:
//
//   sequate-journal 2
//   document "amp.sch"
//   kind pass                    pass, put-back or keep: what the renames below are for
//   components 320
//   name "R7"                    one line per component, in the document's order: the names
//   ...                          before the renames, which tell this schematic from another
//                                of the same file name
//   rename 12 "R7" "R1"          one line per rename PowerLogic is sent, in order; the number
//   ...                          is the component's place in the document's list, from 1
//   applying                     the list is complete and on disk; renames follow
//   done 1                       renames 1..n were made (not synced: recovery reads the names)
//   handed-over layout "PATH"    the ECO file at PATH is about to reach the layout (or: file,
//                                the file the user chose is about to be written); synced
//   finished                     the renames are settled (a settled journal is removed)
//
// Everything after "applying" is a mark written as the pass goes; a line a power cut tore, or
// the zero bytes it left, end the journal there. Journals of version 1 (no kind, no names)
// are still read.

#include "rename.h"

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace sequate::engine {

enum class JournalKind {
    Pass,    // a numbering pass: its renames may be put back or kept
    PutBack, // recovery putting a cut-short pass back: carried on to its end
    Keep,    // recovery keeping a cut-short pass: its renames are made, the layout must follow
};

enum class HandOver {
    None,
    Layout, // PowerPCB was about to read the ECO file
    File,   // the ECO file was about to be written where the user chose
};

struct RenameJournal {
    std::string document;
    JournalKind kind = JournalKind::Pass;
    std::size_t components = 0;
    std::vector<std::string> namesBefore; // one per component; empty in a version 1 journal
    std::vector<Rename> renames;          // the file writes each component's place from 1
    std::size_t done = 0;
    HandOver handedOver = HandOver::None;
    std::string handOverPath;
    bool finished = false;

    bool operator==(const RenameJournal&) const = default;
};

// A journal that cannot be read or written; what() names the file and the fault.
class JournalError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A name as the journals write it: in double quotes, with '"', '\\' and line ends escaped.
std::string journalQuoted(const std::string& text);
// The name so written that begins at line[at] (a '"'), with `at` moved past it; none when the
// quotes are not closed.
std::optional<std::string> journalUnquoted(const std::string& line, std::size_t& at);

// The journal written in text. Throws JournalError naming the file `shownPath`, the line and
// what is wrong, for a damaged header or list of renames.
RenameJournal parseJournal(const std::string& text, const std::string& shownPath);

// The text of a journal up to its marks: what is written before the first rename (its done
// and hand-over marks too, when it has them).
std::string journalText(const RenameJournal& journal);

// The marks, each appended on a line of its own.
std::string doneMark(std::size_t renames);
std::string handedOverMark(HandOver where, const std::string& path);
inline constexpr const char* finishedMark = "finished";

} // namespace sequate::engine
