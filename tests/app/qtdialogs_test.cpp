// The desktop's own dialogs, answered by a timer while they wait for the user.

#include "app/qtdialogs.h"
#include "qtprint.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace sequate::testing {
namespace {

// Runs answer on the modal dialog of type T as soon as it is open.
template <typename T>
void whenOpen(std::function<void(T&)> answer) {
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "no dialog is open";
            return;
        }
        answer(*dialog);
    });
}

TEST(QtDialogs, MessageBoxHasTheIconTitleTextAndOneOkButton) {
    const std::pair<engine::MessageStyle, QMessageBox::Icon> styles[] = {
        {engine::MessageStyle::Critical, QMessageBox::Critical},
        {engine::MessageStyle::Exclamation, QMessageBox::Warning}};
    for (const auto& [style, icon] : styles) {
        whenOpen<QMessageBox>([icon](QMessageBox& box) {
            EXPECT_EQ(box.icon(), icon);
            EXPECT_EQ(box.windowTitle(), "Error Message");
            EXPECT_EQ(box.text(), "Illegal Value");
            EXPECT_EQ(box.buttons(), QList<QAbstractButton*>{box.button(QMessageBox::Ok)});
            box.accept();
        });
        app::QtDialogs().showMessage(nullptr, style, "Error Message", "Illegal Value");
    }
}

TEST(QtDialogs, FileDialogIsTheSaveFormWithTheFilterAndNoExtensionAdded) {
    QTemporaryDir folder;
    const QString path = folder.filePath("renames");
    whenOpen<QFileDialog>([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog.nameFilters(), QStringList{"ECO files (*.eco)"});
        EXPECT_TRUE(dialog.defaultSuffix().isEmpty());
        dialog.selectFile(path);
        static_cast<QDialog&>(dialog).accept(); // as the Save button does
    });
    EXPECT_EQ(app::QtDialogs().chooseSaveFile(nullptr, "ECO files (*.eco)"), path);
    whenOpen<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(app::QtDialogs().chooseSaveFile(nullptr, "ECO files (*.eco)"), std::nullopt);
}

} // namespace
} // namespace sequate::testing
