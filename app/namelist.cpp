#include "namelist.h"

#include "ui/listwindows.h"

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
    QObject::connect(mFilter, &QLineEdit::textChanged, mList, [this] { applyFilter(); });
}

void NameList::setRows(const std::vector<ui::NameRow>& rows) {
    mRows = rows;
    mList->clear();
    for (const ui::NameRow& row : rows) {
        new QTreeWidgetItem(mList,
                            {QString::fromStdString(row.before), QString::fromStdString(row.after),
                             QString::fromStdString(row.note)});
    }
    applyFilter();
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
