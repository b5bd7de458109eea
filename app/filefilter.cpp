#include "filefilter.h"

#include "ui/filefilter.h"

#include <QStringList>

namespace sequate::app {

QString toQtFilter(const std::string& filter) {
    QStringList entries;
    for (const ui::FileType& type : ui::fileTypes(filter))
        entries << QString::fromStdString(ui::shownFileType(type));
    return entries.join(QStringLiteral(";;"));
}

} // namespace sequate::app
