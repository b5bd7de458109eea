#include "journalformat.h"

#include <algorithm>
#include <charconv>
#include <sstream>

namespace sequate::engine {

namespace {

constexpr const char* firstLine = "sequate-journal 2";
constexpr const char* versionOneLine = "sequate-journal 1";

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
    LineReader(const std::string& path, std::size_t number, const std::string& line)
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
        throw JournalError("The journal \"" + mPath + "\" cannot be read: line " +
                           std::to_string(mNumber) + ": " + what + ".");
    }

private:
    void skipBlanks() {
        while (mAt < mLine.size() && mLine[mAt] == ' ')
            ++mAt;
    }

    const std::string& mPath;
    std::size_t mNumber;
    const std::string& mLine;
    std::size_t mAt = 0;
};

class JournalReader {
public:
    JournalReader(const std::string& text, const std::string& path) : mPath(path), mText(text) {}

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
        if (!std::getline(mText, mLine))
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
                } else if (keyword == finishedMark) {
                    reader.end();
                    mJournal.finished = true;
                }
            } catch (const JournalError&) {
            }
        }
    }

    [[noreturn]] void incomplete() const {
        throw JournalError("The journal \"" + mPath +
                           "\" cannot be read: it ends before its list of renames is complete.");
    }

    const std::string& mPath;
    std::istringstream mText;
    std::string mLine;
    std::size_t mNumber = 0;
    RenameJournal mJournal;
};

const char* handOverWord(HandOver where) {
    return where == HandOver::Layout ? "layout " : "file ";
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

RenameJournal parseJournal(const std::string& text, const std::string& shownPath) {
    return JournalReader(text, shownPath).read();
}

std::string journalText(const RenameJournal& journal) {
    std::ostringstream text;
    text << firstLine << "\n"
         << "document " << journalQuoted(journal.document) << "\n"
         << "kind " << kindWord(journal.kind) << "\n"
         << "components " << journal.namesBefore.size() << "\n";
    for (const std::string& name : journal.namesBefore)
        text << "name " << journalQuoted(name) << "\n";
    for (const Rename& rename : journal.renames)
        text << "rename " << rename.component.value() + 1 << " " << journalQuoted(rename.before)
             << " " << journalQuoted(rename.after) << "\n";
    text << "applying\n";
    if (journal.done > 0)
        text << doneMark(journal.done) << "\n";
    if (journal.handedOver != HandOver::None)
        text << handedOverMark(journal.handedOver, journal.handOverPath) << "\n";
    return text.str();
}

std::string doneMark(std::size_t renames) {
    return "done " + std::to_string(renames);
}

std::string handedOverMark(HandOver where, const std::string& path) {
    return std::string("handed-over ") + handOverWord(where) + journalQuoted(path);
}

} // namespace sequate::engine
