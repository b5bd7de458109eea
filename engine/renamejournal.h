#pragma once

// The journal of a pass on disk: written before the first rename, so that a pass stopped by a
// crash, a power cut or a host that stopped answering can be put back at the next start. One
// file per schematic, small and readable:
//
//   sequate-journal 1
//   document "amp.sch"
//   components 320
//   rename 12 "R7" "R1"          one line per rename PowerLogic is sent, in order; the number
//   ...                          is the component's place in the document's list, from 1
//   applying                     the list is complete and on disk; renames follow
//   done 1                       renames 1..n were made (not synced: recovery reads the names)
//   finished                     the pass ended: completed, or every rename undone

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace sequate::engine {

struct JournalRename {
    std::size_t component = 0; // place in the document's list, from 1
    std::string from;
    std::string to;

    bool operator==(const JournalRename&) const = default;
};

struct RenameJournal {
    std::string document;
    std::size_t components = 0;
    std::vector<JournalRename> renames;
    std::size_t done = 0;
    bool finished = false;
};

// A journal that cannot be read or written; what() names the file and the fault.
class JournalError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Where journals are kept: the user's data folder ($XDG_DATA_HOME, else ~/.local/share), in
// sequate/journals.
std::filesystem::path defaultJournalFolder();

// The file of a schematic's journal in a folder.
std::filesystem::path journalPath(const std::filesystem::path& folder, const std::string& document);

// Reads a journal. Throws JournalError naming the file, the line and what is wrong.
RenameJournal readJournal(const std::filesystem::path& path);

// Writes a pass's journal as it goes: the planned renames whole and synced before the first
// rename, a mark as each is made, and the end of the pass, synced.
class JournalWriter {
public:
    // Throws JournalError when the journal cannot be written: then no rename may be made.
    JournalWriter(const std::filesystem::path& path, const RenameJournal& planned);
    ~JournalWriter();
    JournalWriter(const JournalWriter&) = delete;
    JournalWriter& operator=(const JournalWriter&) = delete;

    void markDone(std::size_t renames);
    // Throws JournalError when the mark cannot be made safe on disk.
    void markFinished();

private:
    void append(const std::string& line);

    std::filesystem::path mPath;
    int mFile = -1;
};

// Marks an unfinished journal finished, as recovery does once the schematic is settled.
void finishJournal(const std::filesystem::path& path);

} // namespace sequate::engine
