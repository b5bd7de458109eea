#pragma once

// The journals of passes on disk (their text: engine/journalformat.h): written before the first
// rename, so that a pass stopped by a crash, a power cut or a host that stopped answering can be
// put back at the next start. They are kept in a folder of the user's alone, written whole
// through files/durablefile.h, marked as the pass goes, and removed once settled.

#include "files/openfile.h"
#include "journalformat.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace sequate::engine {

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

// Journals and kept passes set aside beyond this many, in each of their folders, go oldest first:
// each may still help by hand for a while, and without a bound they pile up for ever.
inline constexpr std::size_t setAsideKept = 50;

// Tidies the journal folder: removes what writers killed in the middle of a write left beside
// the journals and the kept passes, and in the ECO file's folder of each journal in `unfinished`
// that handed its file over there; a ".new" of an earlier version's writer is removed, or set
// aside where it cannot be; and the oldest set-aside files beyond setAsideKept are removed.
// Quiet: tidying never stops a pass.
void tidyJournalFolder(const std::filesystem::path& folder,
                       const std::vector<RenameJournal>& unfinished);

// Writes a journal as it goes: the planned renames whole and synced before the first rename
// (replacing whatever journal was at the path), a mark as each is made, the hand-off of its
// ECO file, and the end, settled.
class JournalWriter {
public:
    // Throws JournalError when the journal cannot be written, also where its folder is not
    // the user's own and closed to others: then no rename may be made.
    JournalWriter(const std::filesystem::path& path, const RenameJournal& planned);

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
    files::OpenFile mFile;
};

// Removes a journal whose renames are settled, or, where it cannot be removed, marks it
// finished. Throws JournalError naming the file when neither can be done.
void settleJournal(const std::filesystem::path& path);

} // namespace sequate::engine
