#include "renamejournal.h"

#include "host/filesafety.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iomanip>
#include <sstream>
#include <unistd.h>

#ifdef _WIN32
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

// The POSIX calls below, on Windows: paths are wide there, a file opened here is not inherited
// by programs started later, and a rename must be told to replace the journal it swaps out.
constexpr int O_CLOEXEC = O_NOINHERIT | O_BINARY;
constexpr int O_DIRECTORY = 0; // a folder cannot be opened: syncFolder() has nothing to do
constexpr int O_NOFOLLOW = 0;  // O_EXCL already refuses whatever stands at the path
static int open(const wchar_t* path, int flags, int mode = 0) {
    return ::_wopen(path, flags, mode);
}
static int fsync(int file) {
    return ::_commit(file);
}
static int unlink(const wchar_t* path) {
    return ::_wunlink(path);
}
static int rename(const wchar_t* from, const wchar_t* to) {
    return ::MoveFileExW(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ? 0 : -1;
}
#endif

namespace sequate::engine {

namespace fs = std::filesystem;

namespace {

constexpr const char* firstLine = "sequate-journal 2";
constexpr const char* versionOneLine = "sequate-journal 1";
constexpr const char* journalSuffix = ".journal";
// A document's name keeps at most this many bytes in its journal's file name, so that the
// journal, its ".new" file and its ".set-aside" name all stay far below any file system's limit.
constexpr std::size_t prefixBytes = 40;

std::string quoted(const std::string& text) {
    return journalQuoted(text);
}

std::string systemError(const std::string& what, const fs::path& path) {
    return "The journal \"" + path.string() + "\" could not be " + what + ": " +
           std::strerror(errno) + ".";
}

void writeAll(int file, const std::string& text, const fs::path& path) {
    std::size_t written = 0;
    while (written < text.size()) {
        const auto got = ::write(file, text.data() + written, text.size() - written);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw JournalError(systemError("written", path));
        written += static_cast<std::size_t>(got);
    }
}

void syncFolder(const fs::path& folder) {
    const int handle = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle >= 0) {
        ::fsync(handle);
        ::close(handle);
    }
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

const char* kindWord(JournalKind kind) {
    switch (kind) {
    case JournalKind::PutBack:
        return "put-back";
    case JournalKind::Keep:
        return "keep";
    case JournalKind::Pass:
        break;
    }
    return "pass";
}

// One line of a journal, read word by word.
class LineReader {
public:
    LineReader(const fs::path& path, std::size_t number, const std::string& line)
        : mPath(path), mNumber(number), mLine(line) {}

    std::string word() {
        skipBlanks();
        const std::size_t begin = mAt;
        while (mAt < mLine.size() && mLine[mAt] != ' ')
            ++mAt;
        if (begin == mAt)
            fail("a word is missing");
        return mLine.substr(begin, mAt - begin);
    }

    std::size_t number() {
        const std::string text = word();
        std::size_t value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size())
            fail("\"" + text + "\" is not a number");
        return value;
    }

    std::string text() {
        skipBlanks();
        if (mAt >= mLine.size() || mLine[mAt] != '"')
            fail("a quoted name is missing");
        std::optional<std::string> name = journalUnquoted(mLine, mAt);
        if (!name)
            fail("a quoted name is not closed");
        return *name;
    }

    void end() {
        skipBlanks();
        if (mAt != mLine.size())
            fail("unexpected text at the end of the line");
    }

    [[noreturn]] void fail(const std::string& what) const {
        throw JournalError("The journal \"" + mPath.string() + "\" cannot be read: line " +
                           std::to_string(mNumber) + ": " + what + ".");
    }

private:
    void skipBlanks() {
        while (mAt < mLine.size() && mLine[mAt] == ' ')
            ++mAt;
    }

    const fs::path& mPath;
    std::size_t mNumber;
    const std::string& mLine;
    std::size_t mAt = 0;
};

class JournalReader {
public:
    explicit JournalReader(const fs::path& path) : mPath(path), mFile(path, std::ios::binary) {
        if (!mFile)
            throw JournalError(systemError("opened", path));
    }

    RenameJournal read() {
        const bool second = next() && mLine == firstLine;
        if (!second && mLine != versionOneLine)
            LineReader(mPath, 1, mLine)
                .fail("it does not begin with \"" + std::string(firstLine) + "\"");
        LineReader document = header("document");
        mJournal.document = document.text();
        document.end();
        if (second)
            mJournal.kind = kind(header("kind"));
        LineReader count = header("components");
        mJournal.components = count.number();
        count.end();
        while (second && mJournal.namesBefore.size() < mJournal.components) {
            LineReader name = header("name");
            mJournal.namesBefore.push_back(name.text());
            name.end();
        }
        readRenames();
        readTail();
        return mJournal;
    }

private:
    bool next() {
        if (!std::getline(mFile, mLine))
            return false;
        ++mNumber;
        return true;
    }

    LineReader header(const std::string& keyword) {
        if (!next())
            incomplete();
        LineReader reader(mPath, mNumber, mLine);
        if (reader.word() != keyword)
            reader.fail("\"" + keyword + "\" is expected here");
        return reader;
    }

    JournalKind kind(LineReader reader) {
        const std::string word = reader.word();
        reader.end();
        for (JournalKind kind : {JournalKind::Pass, JournalKind::PutBack, JournalKind::Keep})
            if (word == kindWord(kind))
                return kind;
        reader.fail("\"" + word + "\" is not a kind of journal");
    }

    void readRenames() {
        while (next()) {
            LineReader reader(mPath, mNumber, mLine);
            const std::string keyword = reader.word();
            if (keyword == "applying") {
                reader.end();
                return;
            }
            if (keyword != "rename")
                reader.fail("\"" + keyword + "\" is not expected here");
            // The file counts the components from 1.
            const std::size_t place = reader.number();
            Rename rename;
            rename.before = reader.text();
            rename.after = reader.text();
            reader.end();
            if (place == 0 || place > mJournal.components)
                reader.fail("component " + std::to_string(place) +
                            " is not in the document's list");
            rename.component = ComponentIndex(place - 1);
            mJournal.renames.push_back(std::move(rename));
        }
        incomplete();
    }

    // Marks written as the renames went: a line that does not read as one is what a power cut
    // left, and is passed over.
    void readTail() {
        while (next()) {
            try {
                LineReader reader(mPath, mNumber, mLine);
                const std::string keyword = reader.word();
                if (keyword == "done") {
                    const std::size_t done = reader.number();
                    reader.end();
                    if (done <= mJournal.renames.size())
                        mJournal.done = std::max(mJournal.done, done);
                } else if (keyword == "handed-over") {
                    const std::string where = reader.word();
                    const std::string path = reader.text();
                    reader.end();
                    if (where == "layout" || where == "file") {
                        mJournal.handedOver = where == "layout" ? HandOver::Layout : HandOver::File;
                        mJournal.handOverPath = path;
                    }
                } else if (keyword == "finished") {
                    reader.end();
                    mJournal.finished = true;
                }
            } catch (const JournalError&) {
            }
        }
    }

    [[noreturn]] void incomplete() const {
        throw JournalError("The journal \"" + mPath.string() +
                           "\" cannot be read: it ends before its list of renames is complete.");
    }

    const fs::path& mPath;
    std::ifstream mFile;
    std::string mLine;
    std::size_t mNumber = 0;
    RenameJournal mJournal;
};

// Appends a line and makes it safe on disk; false when either fails.
bool appendSynced(const fs::path& path, const std::string& line) {
    const int file = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (file < 0)
        return false;
    bool safe = false;
    try {
        writeAll(file, line, path);
        safe = ::fsync(file) == 0;
    } catch (const JournalError&) {
    }
    ::close(file);
    return safe;
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

// A ".new" that a killed writer left, or anything else standing at its name, is set aside
// when it cannot simply be removed: it never keeps a journal from being written.
void clearTemporary(const fs::path& temporary) {
    if (::unlink(temporary.c_str()) == 0 || errno == ENOENT)
        return;
    std::error_code error;
    fs::rename(temporary, temporary.string() + ".set-aside", error);
    if (error)
        fs::remove_all(temporary, error);
}

} // namespace

std::string journalQuoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out + "\"";
}

std::optional<std::string> journalUnquoted(const std::string& line, std::size_t& at) {
    std::string out;
    for (++at; at < line.size(); ++at) {
        char c = line[at];
        if (c == '"') {
            ++at;
            return out;
        }
        if (c == '\\' && at + 1 < line.size()) {
            c = line[++at];
            if (c == 'n')
                c = '\n';
        }
        out += c;
    }
    return std::nullopt;
}

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
    return JournalReader(path).read();
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
    // list. A ".new" left by a writer that was killed, or a link planted in its place, is
    // removed, not followed.
    const fs::path temporary = path.string() + ".new";
    clearTemporary(temporary);
    const int file = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                            S_IRUSR | S_IWUSR);
    if (file < 0)
        throw JournalError(systemError("created", temporary));
    try {
        writeAll(file, text, temporary);
        if (::fsync(file) != 0)
            throw JournalError(systemError("saved", temporary));
    } catch (...) {
        ::close(file);
        ::unlink(temporary.c_str());
        throw;
    }
    ::close(file);
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const std::string message = systemError("put in place", path);
        ::unlink(temporary.c_str());
        throw JournalError(message);
    }
    syncFolder(folder);
}

JournalWriter::JournalWriter(const fs::path& path, const RenameJournal& planned) : mPath(path) {
    std::ostringstream text;
    text << firstLine << "\n"
         << "document " << quoted(planned.document) << "\n"
         << "kind " << kindWord(planned.kind) << "\n"
         << "components " << planned.namesBefore.size() << "\n";
    for (const std::string& name : planned.namesBefore)
        text << "name " << quoted(name) << "\n";
    for (const Rename& rename : planned.renames)
        text << "rename " << rename.component.value() + 1 << " " << quoted(rename.before) << " "
             << quoted(rename.after) << "\n";
    text << "applying\n";
    if (planned.done > 0)
        text << "done " << planned.done << "\n";
    if (planned.handedOver != HandOver::None)
        text << "handed-over " << (planned.handedOver == HandOver::Layout ? "layout " : "file ")
             << quoted(planned.handOverPath) << "\n";
    writeJournalFile(path, text.str());
    mFile = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (mFile < 0)
        throw JournalError(systemError("opened", path));
}

JournalWriter::~JournalWriter() {
    if (mFile >= 0)
        ::close(mFile);
}

// Each mark begins on a line of its own, even after a mark that a full disk cut short.
void JournalWriter::append(const std::string& line) {
    writeAll(mFile, "\n" + line + "\n", mPath);
}

void JournalWriter::markDone(std::size_t renames) {
    // A lost mark costs nothing: recovery reads the names PowerLogic reports.
    try {
        append("done " + std::to_string(renames));
    } catch (const JournalError&) {
    }
}

void JournalWriter::markHandedOver(HandOver where, const std::string& path) {
    append(std::string("handed-over ") + (where == HandOver::Layout ? "layout " : "file ") +
           quoted(path));
    if (::fsync(mFile) != 0)
        throw JournalError(systemError("saved", mPath));
}

void JournalWriter::settle() {
    ::close(mFile);
    mFile = -1;
    settleJournal(mPath);
}

void settleJournal(const fs::path& path) {
    // Removing needs no free space; the mark is for a journal that cannot be removed.
    if (::unlink(path.c_str()) == 0) {
        syncFolder(path.parent_path());
        return;
    }
    const std::string removal = std::strerror(errno);
    if (!appendSynced(path, "\nfinished\n"))
        throw JournalError("The journal \"" + path.string() + "\" could not be removed (" +
                           removal + ") nor marked finished: " + std::strerror(errno) + ".");
}

} // namespace sequate::engine
