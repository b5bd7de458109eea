#pragma once

// The rows of the preview's and the report's list: a component's name before and after, and
// why a name was kept. The filter above the list, Copy and Save as CSV all work on the rows
// the filter lets through.

#include <string>
#include <vector>

namespace sequate::ui {

struct NameRow {
    std::string before;
    std::string after; // the same as before for a name kept
    std::string note;  // why a name was kept; empty for a rename

    bool operator==(const NameRow&) const = default;
};

// Whether the row's name before or after holds the filter's text, letters A to Z matched in
// either case. An empty filter lets every row through.
bool passesFilter(const NameRow& row, const std::string& filter);
std::vector<NameRow> filteredRows(const std::vector<NameRow>& rows, const std::string& filter);

// Part names compared as a designer reads them: the digits in them as numbers, so that R2
// comes before R10; letters A to Z in either case alike.
bool nameLess(const std::string& a, const std::string& b);

// The order of the list, which a click on a column's header sets: by that column ascending,
// or, on the column already sorted by, the other way round. No column: the order the rows
// came in.
struct RowOrder {
    int column = -1;
    bool ascending = true;

    RowOrder clicked(int header) const;
};
// Stable, so that rows alike in the column keep their order.
void sortRows(std::vector<NameRow>& rows, RowOrder order);

// "Old name", "New name", "Note" and a line per row: tab-separated with LF for the clipboard,
// or as CSV with CR LF, fields that hold a comma, a quote or a line end quoted.
std::string rowsAsText(const std::vector<NameRow>& rows);
std::string rowsAsCsv(const std::vector<NameRow>& rows);

} // namespace sequate::ui
