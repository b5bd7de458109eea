#include "namelist.h"

#include "ui/listwindows.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTreeWidget>

namespace sequate::app {

NameList::NameList(QWidget& owner)
    : mFilter(new QLineEdit(&owner)), mList(new QTreeWidget(&owner)) {
    mFilter->setObjectName(ui::nameList::filter.objectName);
    mFilter->setPlaceholderText(ui::nameList::filter.caption);
    mFilter->setClearButtonEnabled(true);
    mList->setObjectName(ui::nameList::list.objectName);
    QStringList columns;
    for (const char* column : ui::nameList::columns)
        columns << column;
    mList->setHeaderLabels(columns);
    mList->setRootIsDecorated(false);
    mList->setUniformRowHeights(true);
    mList->header()->setSectionsClickable(true);
    QObject::connect(mFilter, &QLineEdit::textChanged, mList, [this] { applyFilter(); });
    QObject::connect(mList->header(), &QHeaderView::sectionClicked, mList,
                     [this](int column) { sortBy(column); });
}

void NameList::setRows(const std::vector<ui::NameRow>& rows) {
    mRows = rows;
    mOrder = {};
    mList->header()->setSortIndicatorShown(false);
    showRows();
    mFilter->clear();
    applyFilter();
}

void NameList::sortBy(int column) {
    mOrder = mOrder.clicked(column);
    ui::sortRows(mRows, mOrder);
    mList->header()->setSortIndicatorShown(true);
    mList->header()->setSortIndicator(column,
                                      mOrder.ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    showRows();
    applyFilter();
}

// The names take what they need; the note has the rest of the width.
void NameList::showRows() {
    mList->clear();
    for (const ui::NameRow& row : mRows) {
        new QTreeWidgetItem(mList,
                            {QString::fromStdString(row.before), QString::fromStdString(row.after),
                             QString::fromStdString(row.note)});
    }
    for (int column : {0, 1})
        mList->resizeColumnToContents(column);
}

std::vector<ui::NameRow> NameList::shownRows() const {
    return ui::filteredRows(mRows, filterText());
}

std::string NameList::filterText() const {
    return mFilter->text().toStdString();
}

void NameList::applyFilter() {
    const std::string filter = filterText();
    for (std::size_t i = 0; i < mRows.size(); ++i)
        mList->topLevelItem(static_cast<int>(i))->setHidden(!ui::passesFilter(mRows[i], filter));
}

} // namespace sequate::app
