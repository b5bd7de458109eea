#pragma once

// What a completed pass leaves behind so that it can be put back later, schematic and layout
// both. A pass's own journal goes once the pass settles; this smaller one stays, in
// "completed" under the journal folder, apart from the journals of passes cut short, so that
// recovery never takes it for one. The newest ten of each design are kept, the oldest dropped
// first. It holds only what putting back needs, so that ten passes of ten thousand components
// stay well under a megabyte:
//
//   sequate-completed 1
//   document "amp.sch"
//   components 320
//   names 3f2a9c0e81d4b675   the digest of every component's name after the pass (namesDigest),
//                        which tells the design the pass was made on from another of its file
//                        name; a file kept before it was recorded has no such line
//   eco layout "PATH"    where the pass's ECO file went: layout (PowerPCB read it), file (the
//                        file chosen), or none
//   R7 R1                one line per component the pass renamed, in document order: its name
//   C12 +                before and after the pass; "+" for the letter code's next number after
//   @40 R9 R3            the last name given to that code above; "@n" where the component is not
//   ...                  the one after the line above (n counts from 1)
//   end                  written last: a file without it is not used
//
// Names are written as they are unless they hold a blank, a quote, a backslash or a control
// character, begin with "@" or are "+": then they are quoted as in the pass's journal.

#include "journalstore.h"
#include "rename.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace sequate::engine {

struct CompletedPass {
    std::string document;
    std::size_t components = 0;
    std::vector<Rename> renamed; // each component whose name the pass changed, in document order
    HandOver eco = HandOver::None;
    std::string ecoPath;
    std::string namesAfter; // namesDigest of the names after the pass; empty when not recorded

    bool operator==(const CompletedPass&) const = default;
};

// A digest of the names, in their order, that a kept pass and the schematic now are compared by.
std::string namesDigest(const std::vector<std::string>& names);

inline constexpr std::size_t completedPassesKept = 10;

// The pass's journal folder's "completed".
std::filesystem::path completedPassFolder(const std::filesystem::path& journalFolder);

// Keeps the pass as the newest of its design and drops the oldest beyond completedPassesKept.
// Throws JournalError naming the file when it cannot be written; the design's older passes are
// then dropped too, since none of them is the last any more. The files set aside unread, for the
// user to be told.
std::vector<std::filesystem::path> keepCompletedPass(const std::filesystem::path& journalFolder,
                                                     const CompletedPass& pass);

struct KeptPass {
    std::filesystem::path path;
    CompletedPass pass;
    std::string unreadable; // why the file cannot be read, its pass left empty
};

// The kept passes of a document, newest first. A file that cannot be read is among them, with
// why, when its name is one the document's passes are kept under: it may be the document's last.
// A file far larger than any pass keeps is set aside unread, and added to `setAside`.
std::vector<KeptPass> completedPassesOf(const std::filesystem::path& journalFolder,
                                        const std::string& document,
                                        std::vector<std::filesystem::path>* setAside = nullptr);

// Throws JournalError naming the file and the fault.
CompletedPass readCompletedPass(const std::filesystem::path& path);
std::string completedPassText(const CompletedPass& pass);

} // namespace sequate::engine
