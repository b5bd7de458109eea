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

struct Box {
    engine::MessageStyle style;
    QMessageBox::Icon icon;
};

class MessageBoxTest : public ::testing::TestWithParam<Box> {};

TEST_P(MessageBoxTest, HasTheIconTitleTextAndOneOkButton) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    int buttons = 0;
    whenOpen<QMessageBox>([&](QMessageBox& box) {
        icon = box.icon();
        title = box.windowTitle();
        text = box.text();
        buttons = static_cast<int>(box.buttons().size());
        EXPECT_NE(box.button(QMessageBox::Ok), nullptr);
        box.accept();
    });
    app::QtDialogs dialogs;
    dialogs.showMessage(nullptr, GetParam().style, "Error Message", "Illegal Value");
    EXPECT_EQ(icon, GetParam().icon);
    EXPECT_EQ(title, "Error Message");
    EXPECT_EQ(text, "Illegal Value");
    EXPECT_EQ(buttons, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, MessageBoxTest,
    ::testing::Values(Box{engine::MessageStyle::Critical, QMessageBox::Critical},
                      Box{engine::MessageStyle::Exclamation, QMessageBox::Warning}));

TEST(FileDialog, IsTheSaveFormWithTheFilterAndNoExtensionAdded) {
    QTemporaryDir folder;
    const QString path = folder.filePath("renames");
    whenOpen<QFileDialog>([&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog.nameFilters(), QStringList{"ECO files (*.eco)"});
        EXPECT_TRUE(dialog.defaultSuffix().isEmpty());
        dialog.selectFile(path);
        static_cast<QDialog&>(dialog).accept(); // as the Save button does
    });
    app::QtDialogs dialogs;
    EXPECT_EQ(dialogs.chooseSaveFile(nullptr, "ECO files (*.eco)"), path);
}

TEST(FileDialog, CancelGivesNothing) {
    whenOpen<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    app::QtDialogs dialogs;
    EXPECT_EQ(dialogs.chooseSaveFile(nullptr, "ECO files (*.eco)"), std::nullopt);
}

} // namespace
} // namespace sequate::testing
