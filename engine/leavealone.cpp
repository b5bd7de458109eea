#include "leavealone.h"

#include "partname.h"

#include <algorithm>

namespace sequate::engine {

namespace {

bool isPattern(const std::string& entry) {
    return !entry.empty() && entry.back() == '*';
}

bool isLetterCode(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

} // namespace

bool LeaveAlone::entryMatches(const std::string& entry, const std::string& name) {
    if (isPattern(entry))
        return letterCode(name) == entry.substr(0, entry.size() - 1);
    return name == entry;
}

bool LeaveAlone::matches(const std::string& name) const {
    return std::any_of(entries.begin(), entries.end(),
                       [&](const std::string& entry) { return entryMatches(entry, name); });
}

LeaveAloneOrRefusal parseLeaveAlone(const std::string& text) {
    LeaveAlone parsed;
    std::size_t at = 0;
    const char* const separators = ", \t";
    while ((at = text.find_first_not_of(separators, at)) != std::string::npos) {
        const std::size_t end = std::min(text.find_first_of(separators, at), text.size());
        std::string entry = text.substr(at, end - at);
        at = end;
        const std::size_t star = entry.find('*');
        const bool entryReads =
            star == std::string::npos
                ? std::holds_alternative<PartName>(PartName::make(entry))
                : star + 1 == entry.size() && isLetterCode(entry.substr(0, star));
        if (!entryReads)
            return {std::nullopt, std::move(entry)};
        parsed.entries.push_back(std::move(entry));
    }
    return {std::move(parsed), {}};
}

} // namespace sequate::engine
