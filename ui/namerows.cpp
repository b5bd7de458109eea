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

bool nameLess(const std::string& a, const std::string& b) {
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            std::size_t endA = i, endB = j;
            while (endA < a.size() && isDigit(a[endA]))
                ++endA;
            while (endB < b.size() && isDigit(b[endB]))
                ++endB;
            // Without leading zeros, the longer run of digits is the larger number.
            const std::string numberA = a.substr(i, endA - i), numberB = b.substr(j, endB - j);
            const std::size_t zerosA = numberA.find_first_not_of('0');
            const std::size_t zerosB = numberB.find_first_not_of('0');
            const std::string shortA = zerosA == std::string::npos ? "" : numberA.substr(zerosA);
            const std::string shortB = zerosB == std::string::npos ? "" : numberB.substr(zerosB);
            if (shortA.size() != shortB.size())
                return shortA.size() < shortB.size();
            if (shortA != shortB)
                return shortA < shortB;
            i = endA;
            j = endB;
            continue;
        }
        if (folded(a[i]) != folded(b[j]))
            return folded(a[i]) < folded(b[j]);
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

RowOrder RowOrder::clicked(int header) const {
    return {header, header == column ? !ascending : true};
}

void sortRows(std::vector<NameRow>& rows, RowOrder order) {
    if (order.column < 0)
        return;
    const auto field = [&](const NameRow& row) -> const std::string& {
        return order.column == 0 ? row.before : order.column == 1 ? row.after : row.note;
    };
    std::stable_sort(rows.begin(), rows.end(), [&](const NameRow& x, const NameRow& y) {
        return order.ascending ? nameLess(field(x), field(y)) : nameLess(field(y), field(x));
    });
}

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
