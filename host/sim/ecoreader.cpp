#include "ecoreader.h"

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

// A *RENPART* list as read: its renames and the problems of its lines.
struct RenameList {
    std::size_t line = 0;
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

class EcoReader {
public:
    EcoReader(const std::string& fileName, std::vector<std::string>& parts)
        : mFileName(fileName), mLayout(parts) {}

    std::vector<std::string> read(const std::string& text) {
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
        return std::move(mLog);
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
                log(number, joined({"a new header before the *END* of the block of line ",
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
            mList = RenameList{number, {}, {}};
        } else {
            log(number, joined({"the section ", keyword, " is not read; skipped"}));
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
            log(number, joined({"\"", line, "\" is outside any section; ignored"}));
            break;
        case State::InList:
            if (words.size() == 2)
                mList.renames.push_back({number, std::string(words[0]), std::string(words[1])});
            else
                mList.problem(number, joined({"expected \"OLD NEW\", found \"", line, "\""}));
            break;
        case State::Skipping:
            break;
        }
    }

    void complainOutside(std::size_t number, std::string_view line) {
        if (mComplainedOutside)
            return;
        mComplainedOutside = true;
        log(number, joined({"expected a *PADS-ECO header line, found \"", line, "\""}));
    }

    void finishList() {
        checkRepeats(mList);
        checkAgainstLayout(mList, mLayout);
        if (mList.problems.empty())
            mLayout.apply(mList.renames);
        std::stable_sort(mList.problems.begin(), mList.problems.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& [number, reason] : mList.problems)
            log(number, joined({reason, "; the *RENPART* list of line ", std::to_string(mList.line),
                                " renames nothing"}));
    }

    void finish(std::size_t lastLine) {
        if (mState == State::InList)
            log(lastLine, joined({"the file ends without *END*; the *RENPART* list of line ",
                                  std::to_string(mList.line), " renames nothing"}));
        else if (mState != State::Outside)
            log(lastLine, "the file ends without *END*");
        else if (!mSeenHeader && !mComplainedOutside)
            log(lastLine, "no *PADS-ECO header line: not an ECO file");
    }

    void log(std::size_t number, const std::string& reason) {
        mLog.push_back(joined({mFileName, ":", std::to_string(number), ": ", reason}));
    }

    const std::string& mFileName;
    Layout mLayout;
    State mState = State::Outside;
    RenameList mList;
    std::size_t mBlockLine = 0;
    bool mSeenHeader = false;
    bool mComplainedOutside = false;
    std::vector<std::string> mLog;
};

} // namespace

std::vector<std::string> applyEcoText(const std::string& text, const std::string& fileName,
                                      std::vector<std::string>& parts) {
    return EcoReader(fileName, parts).read(latin1ToUtf8(text));
}

} // namespace sequate::host::sim
