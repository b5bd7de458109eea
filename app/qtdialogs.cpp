#include "qtdialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>

namespace sequate::app {

namespace {

QString text(const std::string& words) {
    return QString::fromStdString(words);
}

QMessageBox::Icon iconOf(ui::MessageKind kind) {
    switch (kind) {
    case ui::MessageKind::Failure:
        return QMessageBox::Critical;
    case ui::MessageKind::Refusal:
        return QMessageBox::Warning;
    case ui::MessageKind::Information:
        break;
    }
    return QMessageBox::Information;
}

// A short text leaves the box narrower than its title, which the window manager then cuts
// off: the box is made at least as wide as the title needs.
void wideEnoughForTitle(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    const int titleWidth = box.fontMetrics().horizontalAdvance(box.windowTitle());
    // The frame's buttons and margins take about as much again as a short title.
    const int width = titleWidth + 160;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

void QtDialogs::showMessage(QWidget* parent, const ui::Message& message) {
    QMessageBox box(iconOf(message.kind), text(message.title), text(message.text), QMessageBox::Ok,
                    parent);
    wideEnoughForTitle(box);
    box.exec();
}

// The dialog made as QFileDialog::getSaveFileName makes it, but given the name on its own: a
// name passed as the folder would open the dialog in the working folder instead of the last
// one the user chose.
std::optional<QString> QtDialogs::chooseSaveFile(QWidget* parent, const QString& filter,
                                                 const QString& caption,
                                                 const QString& suggestedName) {
    QFileDialog dialog(parent, caption, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (!suggestedName.isEmpty())
        dialog.selectFile(suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty() ||
        dialog.selectedFiles().first().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
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
