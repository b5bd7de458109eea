#pragma once

// The journal of a pass on disk: written before the first rename, so that a pass stopped by a
// crash, a power cut or a host that stopped answering can be put back at the next start. One
// file per pass, small and readable:
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
// Everything after "applying" is a hint written as the pass goes; a line a power cut tore, or
// the zero bytes it left, end the journal there. Journals of version 1 (no kind, no names)
// are still read.

#include "rename.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
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

// Where journals are kept: the user's data folder ($XDG_DATA_HOME, else ~/.local/share; on
// Windows %LOCALAPPDATA%), in sequate/journals.
std::filesystem::path defaultJournalFolder();

// A new file for the journal of a pass. Its name is short and safe on any file system, whatever
// the document is called (a readable prefix of the document's name and a digest), and it is the
// pass's own: two designs of the same file name never share a journal.
std::filesystem::path journalPath(const std::filesystem::path& folder,
                                  const RenameJournal& journal);

// The journals in a folder that may belong to a document of that file name; whether one
// belongs to the open schematic, its names tell. None in a folder that is not the user's own
// and closed to others (a link to a folder counts as not), which a JournalWriter refuses.
std::vector<std::filesystem::path> journalsOf(const std::filesystem::path& folder,
                                              const std::string& document);

// Reads a journal. Throws JournalError naming the file, the line and what is wrong, for a
// damaged header or list of renames, and naming the file for a link or a file another user
// owns or may write, which is never acted on.
RenameJournal readJournal(const std::filesystem::path& path);

// Writes a journal file whole, in a folder of the user's alone: beside its place, created
// exclusively without following links, synced, then swapped in. Throws JournalError.
void writeJournalFile(const std::filesystem::path& path, const std::string& text);

// Writes a journal as it goes: the planned renames whole and synced before the first rename
// (replacing whatever journal was at the path), a mark as each is made, the hand-off of its
// ECO file, and the end, settled.
class JournalWriter {
public:
    // Throws JournalError when the journal cannot be written, also where its folder is not
    // the user's own and closed to others: then no rename may be made. Whatever stands at the
    // name of its temporary ".new" is removed or set aside first.
    JournalWriter(const std::filesystem::path& path, const RenameJournal& planned);
    ~JournalWriter();
    JournalWriter(const JournalWriter&) = delete;
    JournalWriter& operator=(const JournalWriter&) = delete;

    const std::filesystem::path& path() const { return mPath; }
    void markDone(std::size_t renames);
    // Throws JournalError when the mark cannot be made safe on disk: then the ECO file must not
    // go out.
    void markHandedOver(HandOver where, const std::string& path);
    // The renames are settled: the journal is removed. Throws JournalError naming the file when
    // it can be neither removed nor marked finished.
    void settle();

private:
    void append(const std::string& line);

    std::filesystem::path mPath;
    int mFile = -1;
};

// Removes a journal whose renames are settled, or, where it cannot be removed, marks it
// finished. Throws JournalError naming the file when neither can be done.
void settleJournal(const std::filesystem::path& path);

} // namespace sequate::engine
