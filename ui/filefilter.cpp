#include "filefilter.h"

namespace sequate::ui {

namespace {

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// "CSV files (*.csv)": the pattern is what the last brackets hold.
std::string patternIn(const std::string& description) {
    const std::size_t open = description.rfind('(');
    const std::size_t close = description.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open)
        return "*.*";
    return trimmed(description.substr(open + 1, close - open - 1));
}

} // namespace

std::vector<FileType> fileTypes(const std::string& filter) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t bar = filter.find('|'); bar != std::string::npos;
         bar = filter.find('|', from)) {
        parts.push_back(filter.substr(from, bar - from));
        from = bar + 1;
    }
    if (from < filter.size())
        parts.push_back(filter.substr(from));
    std::vector<FileType> types;
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        const std::string pattern = i + 1 < parts.size() ? trimmed(parts[i + 1]) : "";
        types.push_back({parts[i], pattern.empty() ? patternIn(parts[i]) : pattern});
    }
    return types;
}

std::string shownFileType(const FileType& type) {
    const std::string description = trimmed(type.description);
    if (description.find("(" + type.pattern + ")") != std::string::npos)
        return description;
    return trimmed(description + " (" + type.pattern + ")");
}

} // namespace sequate::ui
