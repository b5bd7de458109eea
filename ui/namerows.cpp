#include "namerows.h"

#include "listwindows.h"

#include <algorithm>

namespace sequate::ui {

namespace {

char folded(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool holds(const std::string& text, const std::string& part) {
    return std::search(text.begin(), text.end(), part.begin(), part.end(),
                       [](char a, char b) { return folded(a) == folded(b); }) != text.end();
}

std::string csvField(const std::string& field) {
    if (field.find_first_of(",\"\r\n") == std::string::npos)
        return field;
    std::string quoted = "\"";
    for (char c : field) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

template <typename Field>
std::string rowLines(const std::vector<NameRow>& rows, char separator, const char* lineEnd,
                     Field field) {
    std::string text;
    const auto line = [&](const std::string& a, const std::string& b, const std::string& c) {
        text += field(a) + separator + field(b) + separator + field(c) + lineEnd;
    };
    line(nameList::columns[0], nameList::columns[1], nameList::columns[2]);
    for (const NameRow& row : rows)
        line(row.before, row.after, row.note);
    return text;
}

} // namespace

bool passesFilter(const NameRow& row, const std::string& filter) {
    return holds(row.before, filter) || holds(row.after, filter);
}

std::vector<NameRow> filteredRows(const std::vector<NameRow>& rows, const std::string& filter) {
    std::vector<NameRow> shown;
    std::copy_if(rows.begin(), rows.end(), std::back_inserter(shown),
                 [&](const NameRow& row) { return passesFilter(row, filter); });
    return shown;
}

std::string rowsAsText(const std::vector<NameRow>& rows) {
    return rowLines(rows, '\t', "\n", [](const std::string& field) { return field; });
}

std::string rowsAsCsv(const std::vector<NameRow>& rows) {
    return rowLines(rows, ',', "\r\n", csvField);
}

} // namespace sequate::ui
