#include "ecoreader.h"

#include "host/partnamewords.h"

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace sequate::host::sim {

namespace {

// The file is one byte per character; the layout's names are UTF-8.
std::string latin1ToUtf8(const std::string& text) {
    std::string utf8;
    utf8.reserve(text.size());
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (b >> 6));
            utf8 += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return utf8;
}

// A message from its pieces, appended one by one. GCC 12 at -O3 takes a literal followed by
// a temporary std::string for overlapping copies and fails the -Werror build (-Wrestrict).
std::string joined(std::initializer_list<std::string_view> pieces) {
    std::string text;
    for (const std::string_view piece : pieces)
        text += piece;
    return text;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> result;
    std::size_t pos = 0;
    while (pos < line.size()) {
        while (pos < line.size() && isBlank(line[pos]))
            ++pos;
        const std::size_t start = pos;
        while (pos < line.size() && !isBlank(line[pos]))
            ++pos;
        if (pos > start)
            result.push_back(line.substr(start, pos - start));
    }
    return result;
}

struct Rename {
    std::size_t line;
    std::string oldName;
    std::string newName;
};

// A line of the log, kept with its line number so that the log can be put in line order.
struct Entry {
    std::size_t line;
    std::string reason;
    bool refuses; // a problem, rather than a note of something skipped
};

// A *RENPART* list as read: its renames and the problems of its lines.
struct RenameList {
    std::vector<Rename> renames;
    std::vector<std::pair<std::size_t, std::string>> problems;

    void problem(std::size_t at, std::string reason) {
        problems.emplace_back(at, std::move(reason));
    }
};

// The layout's parts with an index from name to positions, kept up to date as lists apply.
class Layout {
public:
    explicit Layout(std::vector<std::string>& parts) : mParts(parts) {
        for (std::size_t i = 0; i < parts.size(); ++i)
            mPositions[parts[i]].push_back(i);
    }

    std::size_t carriers(const std::string& name) const {
        const auto it = mPositions.find(name);
        return it == mPositions.end() ? 0 : it->second.size();
    }

    // Every old name is carried by exactly one part and the new names are free afterwards.
    void apply(const std::vector<Rename>& renames) {
        std::vector<std::size_t> positions;
        positions.reserve(renames.size());
        for (const Rename& r : renames) {
            positions.push_back(mPositions.at(r.oldName).front());
            mPositions.erase(r.oldName);
        }
        for (std::size_t k = 0; k < renames.size(); ++k) {
            mParts[positions[k]] = renames[k].newName;
            mPositions[renames[k].newName].push_back(positions[k]);
        }
    }

private:
    std::vector<std::string>& mParts;
    std::unordered_map<std::string, std::vector<std::size_t>> mPositions;
};

void checkName(RenameList& list, std::size_t line, const std::string& name) {
    if (auto problem = layoutNameProblem(name); !problem.empty())
        list.problem(line, std::move(problem));
}

void checkRepeats(RenameList& list) {
    std::unordered_map<std::string_view, std::size_t> firstOld;
    std::unordered_map<std::string_view, std::size_t> firstNew;
    for (const Rename& r : list.renames) {
        if (const auto [it, fresh] = firstOld.emplace(r.oldName, r.line); !fresh)
            list.problem(r.line,
                         joined({r.oldName, " is renamed twice in this list (first on line ",
                                 std::to_string(it->second), ")"}));
        if (const auto [it, fresh] = firstNew.emplace(r.newName, r.line); !fresh)
            list.problem(r.line, joined({r.newName, " is given twice in this list (first on line ",
                                         std::to_string(it->second), ")"}));
    }
}

void checkAgainstLayout(RenameList& list, const Layout& layout) {
    std::unordered_set<std::string_view> renamedAway;
    for (const Rename& r : list.renames)
        renamedAway.insert(r.oldName);
    for (const Rename& r : list.renames) {
        const std::size_t carriers = layout.carriers(r.oldName);
        if (carriers == 0)
            list.problem(r.line, joined({r.oldName, " is not in the layout"}));
        else if (carriers > 1)
            list.problem(r.line, joined({r.oldName, " is the name of ", std::to_string(carriers),
                                         " parts in the layout"}));
        if (layout.carriers(r.newName) > 0 && !renamedAway.contains(r.newName))
            list.problem(r.line, joined({r.newName, " is already the name of a part that this list "
                                                    "does not rename"}));
    }
}

// Reads the whole file into a copy of the layout; the copy takes the place of the layout only
// when the file has no problem at all.
class EcoReader {
public:
    EcoReader(const std::string& fileName, const std::vector<std::string>& parts)
        : mFileName(fileName), mParts(parts), mLayout(mParts) {}

    EcoReading read(const std::string& text, std::vector<std::string>& parts) {
        std::size_t number = 0;
        std::size_t pos = 0;
        while (pos < text.size()) {
            std::size_t end = text.find('\n', pos);
            if (end == std::string::npos)
                end = text.size();
            std::string_view line(text.data() + pos, end - pos);
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            onLine(++number, line);
            pos = end + 1;
        }
        finish(number == 0 ? 1 : number);
        return result(parts);
    }

private:
    enum class State { Outside, InBlock, InList, Skipping };

    void onLine(std::size_t number, std::string_view line) {
        const auto words = fields(line);
        if (words.empty())
            return;
        if (words.front().starts_with('*'))
            onKeyword(number, words.front());
        else
            onData(number, line, words);
    }

    void onKeyword(std::size_t number, std::string_view keyword) {
        if (keyword == "*REMARK*")
            return;
        if (mState == State::InList)
            finishList();
        if (keyword.starts_with("*PADS-ECO")) {
            if (mState != State::Outside)
                refuse(number, joined({"a new header before the *END* of the block of line ",
                                       std::to_string(mBlockLine)}));
            mState = State::InBlock;
            mBlockLine = number;
            mSeenHeader = true;
        } else if (mState == State::Outside) {
            complainOutside(number, keyword);
        } else if (keyword == "*END*") {
            mState = State::Outside;
        } else if (keyword == "*RENPART*") {
            mState = State::InList;
            mList = RenameList{};
        } else {
            note(number, joined({"the section ", keyword, " is not read; skipped"}));
            mState = State::Skipping;
        }
    }

    void onData(std::size_t number, std::string_view line,
                const std::vector<std::string_view>& words) {
        switch (mState) {
        case State::Outside:
            complainOutside(number, line);
            break;
        case State::InBlock:
            refuse(number, joined({"\"", line, "\" is outside any section"}));
            break;
        case State::InList:
            if (words.size() == 2)
                onRename(number, std::string(words[0]), std::string(words[1]));
            else
                mList.problem(number, joined({"expected \"OLD NEW\", found \"", line, "\""}));
            break;
        case State::Skipping:
            break;
        }
    }

    void onRename(std::size_t number, std::string oldName, std::string newName) {
        checkName(mList, number, oldName);
        checkName(mList, number, newName);
        mList.renames.push_back({number, std::move(oldName), std::move(newName)});
    }

    void complainOutside(std::size_t number, std::string_view line) {
        if (mComplainedOutside)
            return;
        mComplainedOutside = true;
        refuse(number, joined({"expected a *PADS-ECO header line, found \"", line, "\""}));
    }

    // A list is checked against the layout as the lists before it left it. Once a list has a
    // problem, that layout is unknown, and the lists after it are checked only on their own.
    void finishList() {
        checkRepeats(mList);
        if (mLayoutKnown)
            checkAgainstLayout(mList, mLayout);
        if (mList.problems.empty() && mLayoutKnown)
            mLayout.apply(mList.renames);
        if (!mList.problems.empty())
            mLayoutKnown = false;
        for (auto& [number, reason] : mList.problems)
            refuse(number, std::move(reason));
    }

    void finish(std::size_t lastLine) {
        if (mState != State::Outside)
            refuse(lastLine, "the file ends without *END*");
        else if (!mSeenHeader && !mComplainedOutside)
            refuse(lastLine, "no *PADS-ECO header line: not an ECO file");
    }

    EcoReading result(std::vector<std::string>& parts) {
        std::stable_sort(mEntries.begin(), mEntries.end(),
                         [](const Entry& a, const Entry& b) { return a.line < b.line; });
        EcoReading reading;
        for (const Entry& entry : mEntries) {
            reading.log.push_back(
                joined({mFileName, ":", std::to_string(entry.line), ": ", entry.reason}));
            if (entry.refuses && !reading.refusal)
                reading.refusal = reading.log.back();
        }
        if (reading.refusal)
            reading.log.push_back(joined({mFileName, ": nothing in the file was applied"}));
        else
            parts = std::move(mParts);
        return reading;
    }

    void note(std::size_t number, std::string reason) {
        mEntries.push_back({number, std::move(reason), false});
    }

    void refuse(std::size_t number, std::string reason) {
        mEntries.push_back({number, std::move(reason), true});
    }

    const std::string& mFileName;
    std::vector<std::string> mParts;
    Layout mLayout;
    bool mLayoutKnown = true;
    State mState = State::Outside;
    RenameList mList;
    std::size_t mBlockLine = 0;
    bool mSeenHeader = false;
    bool mComplainedOutside = false;
    std::vector<Entry> mEntries;
};

} // namespace

EcoReading applyEcoText(const std::string& text, const std::string& fileName,
                        std::vector<std::string>& parts) {
    return EcoReader(fileName, parts).read(latin1ToUtf8(text), parts);
}

} // namespace sequate::host::sim
