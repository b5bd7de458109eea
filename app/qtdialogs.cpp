#include "qtdialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace sequate::app {

namespace {

QString text(const std::string& words) {
    return QString::fromStdString(words);
}

} // namespace

void QtDialogs::showMessage(QWidget* parent, const ui::Message& message) {
    const QMessageBox::Icon icon =
        message.kind == ui::MessageKind::Failure ? QMessageBox::Critical : QMessageBox::Warning;
    QMessageBox box(icon, text(message.title), text(message.text), QMessageBox::Ok, parent);
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

bool QtDialogs::ask(QWidget* parent, const ui::Question& question) {
    QMessageBox box(QMessageBox::Question, text(question.title), text(question.text),
                    QMessageBox::NoButton, parent);
    QPushButton* chosen = box.addButton(text(question.defaultAnswer), QMessageBox::AcceptRole);
    QPushButton* other = box.addButton(text(question.otherAnswer), QMessageBox::RejectRole);
    box.setDefaultButton(chosen);
    box.setEscapeButton(question.escapeGivesDefault ? chosen : other);
    box.exec();
    return box.clickedButton() == chosen;
}

bool QtDialogs::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

} // namespace sequate::app
