#include "journalstore.h"

#include "files/durablefile.h"
#include "host/filesafety.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <unistd.h>

namespace sequate::engine {

namespace fs = std::filesystem;

namespace {

constexpr const char* journalSuffix = ".journal";
// A document's name keeps at most this many bytes in its journal's file name, so that the
// journal, its ".new" file and its ".set-aside" name all stay far below any file system's limit.
constexpr std::size_t prefixBytes = 40;

// What the durable files say, in the journal's words.
JournalError journalError(const files::FileError& error) {
    const char* what = "saved";
    switch (error.step()) {
    case files::FileStep::Create:
        what = "created";
        break;
    case files::FileStep::Open:
        what = "opened";
        break;
    case files::FileStep::Write:
        what = "written";
        break;
    case files::FileStep::Rename:
        what = "put in place";
        break;
    default:
        break;
    }
    return JournalError("The journal \"" + error.path().string() + "\" could not be " + what +
                        ": " + error.code().message() + ".");
}

// Letters, digits, "-", "_" and "." stay; anything else, which one file system or another
// would refuse or read as a folder, becomes "_".
std::string fileNamePrefix(const std::string& document) {
    std::string name = document.empty() ? "untitled" : document.substr(0, prefixBytes);
    for (char& c : name) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.';
        if (!plain)
            c = '_';
    }
    if (name.front() == '.')
        name.front() = '_';
    return name;
}

// FNV-1a over the document, the names, the time and the process: a name of its own for every
// journal, so that a pass over a copy of a design never replaces the journal of another.
std::string digestOf(const RenameJournal& journal) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    const auto add = [&](const std::string& text) {
        for (unsigned char c : text + '\0') {
            hash ^= c;
            hash *= 0x100000001b3ULL;
        }
    };
    add(journal.document);
    for (const std::string& name : journal.namesBefore)
        add(name);
    add(std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    add(std::to_string(std::chrono::system_clock::now().time_since_epoch().count()));
    add(std::to_string(::getpid()));
    std::ostringstream text;
    text << std::hex << std::setw(16) << std::setfill('0') << hash;
    return text.str();
}

// Before journals had names of their own, a document's journal was its file name with
// ".journal"; one left unfinished by an earlier version is still found.
std::string versionOneName(const std::string& document) {
    std::string name = document.empty() ? "untitled" : document;
    for (char& c : name)
        if (c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 0x20)
            c = '_';
    if (name == "." || name == "..")
        name = "_";
    return name + journalSuffix;
}

// The journals list every part name of a design, and a journal is acted on: they are kept only
// in a folder that no one else can read or plant a file in.
void requirePrivateFolder(const fs::path& folder) {
    if (const auto why = host::whyNotPrivateFolder(folder))
        throw JournalError("The journal folder \"" + folder.string() + "\" is " + *why +
                           ", so Sequate keeps no journal there and renames nothing. Journals "
                           "list every part name of a design and tell Sequate what to put back: "
                           "their folder must be the user's own, writable by no one else.");
}

// A ".new" that an earlier version's writer left when it was killed, or anything else standing
// at such a name, is set aside when it cannot simply be removed.
void clearTemporary(const fs::path& temporary) {
    std::error_code error;
    if (!files::removeFile(temporary) || !fs::exists(fs::symlink_status(temporary, error)))
        return;
    fs::rename(temporary, temporary.string() + ".set-aside", error);
    if (error)
        fs::remove_all(temporary, error);
}

} // namespace

fs::path defaultJournalFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    fs::path base;
    if (data && *data)
        base = data;
#ifdef _WIN32
    else if (const wchar_t* local = ::_wgetenv(L"LOCALAPPDATA"); local && *local)
        base = local;
#endif
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = fs::path(home) / ".local" / "share";
    else
        base = fs::temp_directory_path();
    return base / "sequate" / "journals";
}

fs::path journalPath(const fs::path& folder, const RenameJournal& journal) {
    return folder / (fileNamePrefix(journal.document) + "-" + digestOf(journal) + journalSuffix);
}

std::vector<fs::path> journalsOf(const fs::path& folder, const std::string& document) {
    const std::string prefix = fileNamePrefix(document) + "-";
    const std::string earlier = versionOneName(document);
    std::vector<fs::path> found;
    std::error_code error;
    // Nothing in a folder others can write to is trusted; the pass then refuses to journal there,
    // and says why.
    if (host::whyNotPrivateFolder(folder))
        return found;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (((name.starts_with(prefix) && name.ends_with(journalSuffix)) || name == earlier) &&
            entry.is_regular_file(error))
            found.push_back(entry.path());
    }
    std::sort(found.begin(), found.end());
    return found;
}

RenameJournal readJournal(const fs::path& path) {
    if (const auto why = host::whyNotOwnFile(path))
        throw JournalError("The journal \"" + path.string() + "\" is " + *why +
                           ", so Sequate does not act on it.");
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw JournalError("The journal \"" + path.string() +
                           "\" could not be opened: " + std::strerror(errno) + ".");
    std::ostringstream text;
    text << file.rdbuf();
    return parseJournal(text.str(), path.string());
}

void writeJournalFile(const fs::path& path, const std::string& text) {
    std::error_code error;
    const fs::path folder = path.parent_path();
    if (fs::create_directories(folder, error))
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace, error);
    if (error)
        throw JournalError("The folder of the journal \"" + path.string() +
                           "\" could not be made: " + error.message() + ".");
    requirePrivateFolder(folder);
    // Written whole beside the old journal and swapped in: a journal on disk is never half a
    // list.
    try {
        files::writeWholeBeside(path, text);
    } catch (const files::FileError& failure) {
        throw journalError(failure);
    }
}

void tidyJournalFolder(const fs::path& folder, const std::vector<RenameJournal>& unfinished) {
    if (host::whyNotPrivateFolder(folder))
        return;
    for (const fs::path& place : {folder, folder / "completed"}) {
        files::removeKilledWritersFiles(place);
        std::vector<std::pair<fs::file_time_type, fs::path>> setAside;
        std::error_code error;
        for (fs::directory_iterator entry(place, error), end; !error && entry != end;
             entry.increment(error)) {
            const std::string name = entry->path().filename().string();
            if (name.ends_with(".journal.new") || name.ends_with(".completed.new"))
                clearTemporary(entry->path());
            else if (name.ends_with(".set-aside") && entry->is_regular_file(error))
                setAside.emplace_back(entry->last_write_time(error), entry->path());
        }
        if (setAside.size() <= setAsideKept)
            continue;
        std::sort(setAside.begin(), setAside.end());
        for (std::size_t i = 0; i + setAsideKept < setAside.size(); ++i)
            files::removeFile(setAside[i].second);
    }
    for (const RenameJournal& journal : unfinished)
        if (journal.handedOver == HandOver::File && !journal.handOverPath.empty())
            files::removeKilledWritersFiles(fs::path(journal.handOverPath).parent_path());
}

JournalWriter::JournalWriter(const fs::path& path, const RenameJournal& planned) : mPath(path) {
    writeJournalFile(path, journalText(planned));
    try {
        mFile = files::OpenFile::openToAppend(path);
    } catch (const files::FileError& failure) {
        throw journalError(failure);
    }
}

// Each mark begins on a line of its own, even after a mark that a full disk cut short.
void JournalWriter::append(const std::string& line) {
    try {
        mFile.write("\n" + line + "\n");
    } catch (const files::FileError& failure) {
        throw journalError(failure);
    }
}

void JournalWriter::markDone(std::size_t renames) {
    // A lost mark costs nothing: recovery reads the names PowerLogic reports.
    try {
        append(doneMark(renames));
    } catch (const JournalError&) {
    }
}

void JournalWriter::markHandedOver(HandOver where, const std::string& path) {
    append(handedOverMark(where, path));
    try {
        mFile.sync();
    } catch (const files::FileError& failure) {
        throw journalError(failure);
    }
}

void JournalWriter::settle() {
    mFile = files::OpenFile();
    settleJournal(mPath);
}

void settleJournal(const fs::path& path) {
    // Removing needs no free space; the mark is for a journal that cannot be removed.
    const std::error_code removal = files::removeFile(path);
    // A journal already gone is as settled as one removed now.
    std::error_code unseen;
    if (!removal || fs::symlink_status(path, unseen).type() == fs::file_type::not_found) {
        files::syncFolder(path.parent_path());
        return;
    }
    try {
        files::OpenFile file = files::OpenFile::openToAppend(path);
        file.write(std::string("\n") + finishedMark + "\n");
        file.sync();
    } catch (const files::FileError& failure) {
        throw JournalError("The journal \"" + path.string() + "\" could not be removed (" +
                           removal.message() +
                           ") nor marked finished: " + failure.code().message() + ".");
    }
}

} // namespace sequate::engine
