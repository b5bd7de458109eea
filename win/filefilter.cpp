#include "filefilter.h"

#include "widetext.h"

#include <vector>

namespace sequate::win {

namespace {

std::vector<std::string> split(const std::string& text, char bar) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t at = text.find(bar); at != std::string::npos; at = text.find(bar, from)) {
        parts.push_back(text.substr(from, at - from));
        from = at + 1;
    }
    if (from < text.size())
        parts.push_back(text.substr(from));
    return parts;
}

// "CSV files (*.csv)": the pattern is what the brackets hold.
std::string patternIn(const std::string& description) {
    const std::size_t open = description.rfind('(');
    const std::size_t close = description.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open)
        return "*.*";
    return description.substr(open + 1, close - open - 1);
}

} // namespace

std::wstring nativeFilter(const std::string& filter) {
    std::vector<std::string> parts = split(filter, '|');
    if (parts.size() == 1)
        parts.push_back(patternIn(parts[0]));
    std::wstring native;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        native += wide(parts[i]) + L'\0';
        native += wide(parts[i + 1]) + L'\0';
    }
    return native + L'\0';
}

} // namespace sequate::win
