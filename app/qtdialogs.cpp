#include "qtdialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>

namespace sequate::app {

namespace {

QMessageBox::Icon iconOf(engine::MessageStyle style) {
    switch (style) {
    case engine::MessageStyle::Critical:
        return QMessageBox::Critical;
    case engine::MessageStyle::Exclamation:
        return QMessageBox::Warning;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void QtDialogs::showMessage(QWidget* parent, engine::MessageStyle style, const QString& title,
                            const QString& text) {
    QMessageBox box(iconOf(style), title, text, QMessageBox::Ok, parent);
    box.exec();
}

std::optional<QString> QtDialogs::chooseSaveFile(QWidget* parent, const QString& filter) {
    const QString path = QFileDialog::getSaveFileName(parent, QString(), QString(), filter);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path;
}

bool QtDialogs::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

} // namespace sequate::app
