#include "completedpass.h"

#include "host/filesafety.h"
#include "partname.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <fstream>
#include <iomanip>
#include <map>
#include <optional>
#include <set>
#include <sstream>

namespace sequate::engine {

namespace fs = std::filesystem;

namespace {

constexpr const char* firstLine = "sequate-completed 1";
constexpr const char* suffix = ".completed";
// Ten thousand components keep about 75 kB; a file far past what any design of PowerLogic's
// could keep is no kept pass, and reading it whole at every pass would cost the pass its memory.
constexpr std::uintmax_t largestKeptPass = 16 * 1024 * 1024;
constexpr int sequenceDigits = 10;

// Numbering gives each letter code its numbers one after another: "+" stands for the next.
class NextNumbers {
public:
    std::optional<std::string> next(const std::string& before) const {
        const std::string code = letterCode(before);
        const auto found = mLast.find(code);
        if (found == mLast.end())
            return std::nullopt;
        return code + std::to_string(found->second + 1);
    }
    void given(const std::string& after) {
        const SplitName part = splitName(after);
        if (part.hasNumber && part.code + std::to_string(part.number) == after)
            mLast[part.code] = part.number;
    }

private:
    std::map<std::string, std::int64_t> mLast;
};

bool plain(const std::string& name) {
    if (name.empty() || name == "+" || name.front() == '@' || name.front() == '"')
        return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        return c == ' ' || c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
    });
}

std::string written(const std::string& name) {
    return plain(name) ? name : journalQuoted(name);
}

const char* ecoWord(HandOver where) {
    switch (where) {
    case HandOver::Layout:
        return "layout";
    case HandOver::File:
        return "file";
    case HandOver::None:
        break;
    }
    return "none";
}

// The words of one line: plain runs of characters, or quoted names.
class Words {
public:
    Words(const fs::path& path, std::size_t number, const std::string& line)
        : mPath(path), mNumber(number), mLine(line) {}

    std::vector<std::string> all() {
        std::vector<std::string> words;
        while (true) {
            while (mAt < mLine.size() && mLine[mAt] == ' ')
                ++mAt;
            if (mAt >= mLine.size())
                return words;
            words.push_back(mLine[mAt] == '"' ? quoted() : bare());
        }
    }

    [[noreturn]] void fail(const std::string& what) const {
        throw JournalError("The journal \"" + mPath.string() + "\" cannot be read: line " +
                           std::to_string(mNumber) + ": " + what + ".");
    }

private:
    std::string bare() {
        const std::size_t begin = mAt;
        while (mAt < mLine.size() && mLine[mAt] != ' ')
            ++mAt;
        return mLine.substr(begin, mAt - begin);
    }

    std::string quoted() {
        std::optional<std::string> name = journalUnquoted(mLine, mAt);
        if (!name)
            fail("a quoted name is not closed");
        return *name;
    }

    const fs::path& mPath;
    std::size_t mNumber;
    const std::string& mLine;
    std::size_t mAt = 0;
};

std::size_t numberIn(const Words& line, const std::string& text) {
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        line.fail("\"" + text + "\" is not a number");
    return value;
}

class Reader {
public:
    explicit Reader(const fs::path& path) : mPath(path), mFile(path, std::ios::binary) {
        if (!mFile)
            throw JournalError("The journal \"" + path.string() + "\" could not be opened.");
    }

    CompletedPass read() {
        if (line() != std::vector<std::string>{"sequate-completed", "1"})
            Words(mPath, 1, mLine)
                .fail("it does not begin with \"" + std::string(firstLine) + "\"");
        mPass.document = header("document", 2).at(1);
        mPass.components = numberIn(words(), header("components", 2).at(1));
        auto eco = line();
        if (eco.size() == 2 && eco[0] == "names") {
            mPass.namesAfter = eco[1];
            eco = line();
        }
        if (eco.empty() || eco[0] != "eco")
            words().fail("\"eco\" is expected here");
        if (eco.size() == 3 && (eco[1] == "layout" || eco[1] == "file")) {
            mPass.eco = eco[1] == "layout" ? HandOver::Layout : HandOver::File;
            mPass.ecoPath = eco[2];
        } else if (eco != std::vector<std::string>{"eco", "none"}) {
            words().fail("\"eco\" is not followed by layout, file or none");
        }
        renames();
        return mPass;
    }

private:
    Words words() const { return Words(mPath, mNumber, mLine); }

    std::vector<std::string> line() {
        if (!std::getline(mFile, mLine))
            throw JournalError("The journal \"" + mPath.string() +
                               "\" cannot be read: it ends before its last line.");
        ++mNumber;
        return words().all();
    }

    std::vector<std::string> header(const std::string& keyword, std::size_t size) {
        const auto found = line();
        if (found.empty() || found[0] != keyword || (size && found.size() != size))
            words().fail("\"" + keyword + "\" is expected here");
        return found;
    }

    // Each component at most once, to another name: a kept pass lists the renames its schematic
    // went through, and putting it back counts on that.
    void renames() {
        NextNumbers numbers;
        std::set<std::size_t> renamed;
        std::size_t place = 0; // the component of the line above, from 1
        for (auto found = line(); found != std::vector<std::string>{"end"}; found = line()) {
            if (!found.empty() && found[0].starts_with('@') && mLine.front() == '@') {
                place = numberIn(words(), found[0].substr(1)) - 1;
                found.erase(found.begin());
            }
            ++place;
            if (found.size() != 2)
                words().fail("a name before and a name after are expected");
            if (place == 0 || place > mPass.components)
                words().fail("component " + std::to_string(place) +
                             " is not in the document's list");
            std::string after = found[1];
            if (after == "+" && mLine.back() == '+') {
                const auto next = numbers.next(found[0]);
                if (!next)
                    words().fail("\"+\" follows no name of its letter code");
                after = *next;
            }
            if (after == found[0])
                words().fail("\"" + after + "\" is renamed to itself");
            if (!renamed.insert(place).second)
                words().fail("component " + std::to_string(place) + " is renamed twice");
            numbers.given(after);
            mPass.renamed.push_back({ComponentIndex(place - 1), found[0], after});
        }
    }

    const fs::path& mPath;
    std::ifstream mFile;
    std::string mLine;
    std::size_t mNumber = 0;
    CompletedPass mPass;
};

// The number before the first '-': at least sequenceDigits digits, more once they run out. A
// name whose number is not one Sequate would give (no digits, or so many that the next would
// not follow it) is no kept pass's.
constexpr std::uint64_t highestSequence = 999'999'999'999'999'999;

std::optional<std::uint64_t> sequenceOf(const fs::path& path) {
    const std::string name = path.filename().string();
    const char* end = name.data() + std::min(name.find('-'), name.size());
    std::uint64_t sequence = 0;
    const auto [stop, error] = std::from_chars(name.data(), end, sequence);
    if (error != std::errc() || stop != end || sequence == 0 || sequence > highestSequence)
        return std::nullopt;
    return sequence;
}

std::vector<fs::path> keptFiles(const fs::path& folder) {
    std::vector<fs::path> found;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.ends_with(suffix) && sequenceOf(entry.path()) && entry.is_regular_file(error))
            found.push_back(entry.path());
    }
    // Newest first, by the number the names begin with: compared as numbers, so that one
    // with more digits than the others sorts as the newest it is.
    std::sort(found.begin(), found.end(), [](const fs::path& a, const fs::path& b) {
        return sequenceOf(a) != sequenceOf(b) ? sequenceOf(a) > sequenceOf(b)
                                              : a.filename() > b.filename();
    });
    return found;
}

// The start of the kept files' names of a document, after their number: what journalPath
// makes of the document's name, without the digest of its own.
std::string keptNamePrefix(const std::string& document) {
    RenameJournal named;
    named.document = document;
    const std::string stem = journalPath({}, named).stem().string();
    return stem.substr(0, stem.size() - 16);
}

bool keptNameOf(const fs::path& path, const std::string& prefix) {
    const std::string name = path.filename().string();
    const std::size_t dash = name.find('-');
    return dash != std::string::npos && name.compare(dash + 1, prefix.size(), prefix) == 0;
}

} // namespace

std::string namesDigest(const std::vector<std::string>& names) {
    std::uint64_t hash = 0xcbf29ce484222325ULL; // FNV-1a
    for (const std::string& name : names)
        for (unsigned char c : name + '\0') {
            hash ^= c;
            hash *= 0x100000001b3ULL;
        }
    std::ostringstream text;
    text << std::hex << std::setw(16) << std::setfill('0') << hash;
    return text.str();
}

std::string completedPassText(const CompletedPass& pass) {
    std::ostringstream text;
    text << firstLine << "\ndocument " << written(pass.document) << "\ncomponents "
         << pass.components;
    if (!pass.namesAfter.empty())
        text << "\nnames " << pass.namesAfter;
    text << "\neco " << ecoWord(pass.eco);
    if (pass.eco != HandOver::None)
        text << " " << written(pass.ecoPath);
    text << "\n";
    NextNumbers numbers;
    std::size_t next = 0;
    for (const Rename& rename : pass.renamed) {
        if (rename.component.value() != next)
            text << "@" << rename.component.value() + 1 << " ";
        next = rename.component.value() + 1;
        text << written(rename.before) << " "
             << (numbers.next(rename.before) == rename.after ? "+" : written(rename.after)) << "\n";
        numbers.given(rename.after);
    }
    text << "end\n";
    return text.str();
}

CompletedPass readCompletedPass(const fs::path& path) {
    // A kept pass tells Sequate what to put back, as a journal does: one that is not the user's
    // alone is never acted on.
    if (const auto why = host::whyNotOwnFile(path))
        throw JournalError("The journal \"" + path.string() + "\" is " + *why +
                           ", so Sequate does not act on it.");
    return Reader(path).read();
}

fs::path completedPassFolder(const fs::path& journalFolder) {
    return journalFolder / "completed";
}

std::vector<fs::path> keepCompletedPass(const fs::path& journalFolder, const CompletedPass& pass) {
    const fs::path folder = completedPassFolder(journalFolder);
    std::error_code error;
    if (fs::create_directories(folder, error))
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace, error);
    if (error)
        throw JournalError("The folder of completed passes \"" + folder.string() +
                           "\" could not be made: " + error.message() + ".");
    if (const auto why = host::whyNotPrivateFolder(journalFolder))
        throw JournalError("The journal folder \"" + journalFolder.string() + "\" is " + *why +
                           ", so Sequate keeps no completed pass there.");
    const std::vector<fs::path> kept = keptFiles(folder);
    const std::uint64_t sequence = (kept.empty() ? 0 : *sequenceOf(kept.front())) + 1;
    RenameJournal named;
    named.document = pass.document;
    std::ostringstream name;
    name << std::setw(sequenceDigits) << std::setfill('0') << sequence << "-"
         << journalPath(folder, named).stem().string() << suffix;
    const fs::path path = folder / name.str();
    try {
        writeJournalFile(path, completedPassText(pass));
    } catch (const JournalError&) {
        // The pass before is no longer the last: putting it back would leave this one's
        // renames in place, and Put back the last pass would take it without a word.
        for (const KeptPass& older : completedPassesOf(journalFolder, pass.document))
            fs::remove(older.path, error);
        throw;
    }
    std::size_t ofThisDesign = 0;
    std::vector<fs::path> setAside;
    for (const KeptPass& older : completedPassesOf(journalFolder, pass.document, &setAside))
        if (++ofThisDesign > completedPassesKept)
            fs::remove(older.path, error);
    return setAside;
}

std::vector<KeptPass> completedPassesOf(const fs::path& journalFolder, const std::string& document,
                                        std::vector<fs::path>* setAside) {
    std::vector<KeptPass> passes;
    const fs::path folder = completedPassFolder(journalFolder);
    if (host::whyNotPrivateFolder(journalFolder) || host::whyNotPrivateFolder(folder))
        return passes;
    const std::string prefix = keptNamePrefix(document);
    for (const fs::path& path : keptFiles(folder)) {
        std::error_code error;
        if (const std::uintmax_t size = fs::file_size(path, error);
            !error && size > largestKeptPass) {
            fs::rename(path, path.string() + ".set-aside", error);
            if (setAside && !error)
                setAside->push_back(path);
            continue;
        }
        try {
            CompletedPass pass = readCompletedPass(path);
            if (pass.document == document)
                passes.push_back({path, std::move(pass), {}});
        } catch (const JournalError& unreadable) {
            if (keptNameOf(path, prefix))
                passes.push_back({path, {}, unreadable.what()});
        }
    }
    return passes;
}

} // namespace sequate::engine
