#include "filefilter.h"

#include <QStringList>

namespace sequate::app {

namespace {

QString entry(const QString& description, const QString& pattern) {
    const QString shown = description.trimmed();
    if (pattern.isEmpty() || shown.contains(QLatin1Char('(') + pattern + QLatin1Char(')'))) {
        return shown;
    }
    return (shown + QStringLiteral(" (") + pattern + QLatin1Char(')')).trimmed();
}

} // namespace

QString toQtFilter(const std::string& filter) {
    QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    if (!parts.isEmpty() && parts.last().isEmpty()) {
        parts.removeLast();
    }
    QStringList entries;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString pattern = i + 1 < parts.size() ? parts[i + 1].trimmed() : QString();
        entries << entry(parts[i], pattern);
    }
    return entries.join(QStringLiteral(";;"));
}

} // namespace sequate::app
