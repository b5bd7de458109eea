#include "qtdialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

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

std::optional<QString> QtDialogs::chooseSaveFile(QWidget* parent, const QString& filter,
                                                 const QString& caption) {
    const QString path = QFileDialog::getSaveFileName(parent, caption, QString(), filter);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path;
}

bool QtDialogs::keepRenamesWithoutEco(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Sequate"), question,
                    QMessageBox::NoButton, parent);
    QPushButton* undo = box.addButton(QStringLiteral("&Not now"), QMessageBox::RejectRole);
    QPushButton* keep =
        box.addButton(QStringLiteral("&Keep them without an ECO file"), QMessageBox::AcceptRole);
    box.setDefaultButton(undo);
    box.setEscapeButton(undo);
    box.exec();
    return box.clickedButton() == keep;
}

bool QtDialogs::putBackUnfinishedPass(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Sequate"), question,
                    QMessageBox::NoButton, parent);
    QPushButton* putBack = box.addButton(QStringLiteral("&Put back"), QMessageBox::AcceptRole);
    box.addButton(QStringLiteral("&Keep as it is"), QMessageBox::RejectRole);
    box.setDefaultButton(putBack);
    // Escape gives the safe answer: keeping a half-finished pass must be chosen knowingly.
    box.setEscapeButton(putBack);
    box.exec();
    return box.clickedButton() == putBack;
}

bool QtDialogs::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

} // namespace sequate::app
