#include "renamejournal.h"

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
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

constexpr const char* firstLine = "sequate-journal 1";

std::string quoted(const std::string& text) {
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

std::string systemError(const std::string& what, const fs::path& path) {
    return "The journal \"" + path.string() + "\" could not be " + what + ": " +
           std::strerror(errno) + ".";
}

void writeAll(int file, const std::string& text, const fs::path& path) {
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t got = ::write(file, text.data() + written, text.size() - written);
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
        std::string out;
        for (++mAt; mAt < mLine.size(); ++mAt) {
            char c = mLine[mAt];
            if (c == '"') {
                ++mAt;
                return out;
            }
            if (c == '\\' && mAt + 1 < mLine.size()) {
                c = mLine[++mAt];
                if (c == 'n')
                    c = '\n';
            }
            out += c;
        }
        fail("a quoted name is not closed");
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

fs::path journalPath(const fs::path& folder, const std::string& document) {
    // The document's file name, kept readable; anything that could reach another folder or
    // trouble a file system becomes "_".
    std::string name = document.empty() ? "untitled" : document;
    for (char& c : name)
        if (c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 0x20)
            c = '_';
    if (name == "." || name == "..")
        name = "_";
    return folder / (name + ".journal");
}

RenameJournal readJournal(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw JournalError(systemError("opened", path));
    RenameJournal journal;
    std::string line;
    std::size_t number = 0;
    bool applying = false;
    const auto next = [&] { return static_cast<bool>(std::getline(file, line)) && ++number; };
    if (!next() || line != firstLine)
        LineReader(path, 1, line).fail("it does not begin with \"" + std::string(firstLine) + "\"");
    while (next()) {
        LineReader reader(path, number, line);
        const std::string keyword = reader.word();
        if (keyword == "document" && number == 2) {
            journal.document = reader.text();
        } else if (keyword == "components" && number == 3) {
            journal.components = reader.number();
        } else if (keyword == "rename" && number > 3 && !applying) {
            JournalRename rename;
            rename.component = reader.number();
            rename.from = reader.text();
            rename.to = reader.text();
            if (rename.component == 0 || rename.component > journal.components)
                reader.fail("component " + std::to_string(rename.component) +
                            " is not in the document's list");
            journal.renames.push_back(std::move(rename));
        } else if (keyword == "applying" && number > 3 && !applying) {
            applying = true;
        } else if (keyword == "done" && applying && !journal.finished) {
            journal.done = reader.number();
            if (journal.done > journal.renames.size())
                reader.fail("more renames are marked done than the journal holds");
        } else if (keyword == "finished" && applying && !journal.finished) {
            journal.finished = true;
        } else {
            reader.fail("\"" + keyword + "\" is not expected here");
        }
        reader.end();
    }
    if (!applying)
        throw JournalError("The journal \"" + path.string() +
                           "\" cannot be read: it ends before its list of renames is complete.");
    return journal;
}

JournalWriter::JournalWriter(const fs::path& path, const RenameJournal& planned) : mPath(path) {
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    if (error)
        throw JournalError("The folder of the journal \"" + path.string() +
                           "\" could not be made: " + error.message() + ".");
    std::ostringstream text;
    text << firstLine << "\n"
         << "document " << quoted(planned.document) << "\n"
         << "components " << planned.components << "\n";
    for (const JournalRename& rename : planned.renames)
        text << "rename " << rename.component << " " << quoted(rename.from) << " "
             << quoted(rename.to) << "\n";
    text << "applying\n";

    // Written whole beside the old journal and swapped in: a journal on disk is never half a
    // list.
    const fs::path temporary = path.string() + ".new";
    const int file =
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (file < 0)
        throw JournalError(systemError("created", temporary));
    try {
        writeAll(file, text.str(), temporary);
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
    syncFolder(path.parent_path());
    mFile = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (mFile < 0)
        throw JournalError(systemError("opened", path));
}

JournalWriter::~JournalWriter() {
    if (mFile >= 0)
        ::close(mFile);
}

void JournalWriter::append(const std::string& line) {
    writeAll(mFile, line + "\n", mPath);
}

void JournalWriter::markDone(std::size_t renames) {
    // A lost mark costs nothing: recovery reads the names PowerLogic reports.
    try {
        append("done " + std::to_string(renames));
    } catch (const JournalError&) {
    }
}

void JournalWriter::markFinished() {
    append("finished");
    if (::fsync(mFile) != 0)
        throw JournalError(systemError("saved", mPath));
}

void finishJournal(const fs::path& path) {
    const int file = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (file < 0)
        throw JournalError(systemError("opened", path));
    try {
        writeAll(file, "finished\n", path);
        if (::fsync(file) != 0)
            throw JournalError(systemError("saved", path));
    } catch (...) {
        ::close(file);
        throw;
    }
    ::close(file);
}

} // namespace sequate::engine
