#pragma once

// The list of renames and kept names that the preview and the report show, with the filter
// box above it.

#include "ui/namerows.h"

#include <string>
#include <vector>

class QLineEdit;
class QTreeWidget;
class QWidget;

namespace sequate::app {

class NameList {
public:
    explicit NameList(QWidget& owner);

    // New rows, in the order given, with the filter cleared.
    void setRows(const std::vector<ui::NameRow>& rows);
    // The rows the filter lets through, in the list's order.
    std::vector<ui::NameRow> shownRows() const;
    QLineEdit* filter() const { return mFilter; }
    QTreeWidget* list() const { return mList; }

private:
    std::string filterText() const;
    void applyFilter();
    void showRows();
    void sortBy(int column);

    QLineEdit* mFilter;
    QTreeWidget* mList;
    std::vector<ui::NameRow> mRows; // in the list's order
    ui::RowOrder mOrder;
};

} // namespace sequate::app
