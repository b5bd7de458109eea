// The desktop's own dialogs, answered by a timer while they wait for the user.

#include "app/qtdialogs.h"
#include "tests/support/qtprint.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace sequate::testing {
namespace {

// Runs answer on the modal dialog of type T as soon as it is open.
template <typename T>
void whenOpen(std::function<void(T&)> answer) {
    QTimer::singleShot(0, [answer] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget()))
            answer(*dialog);
        else
            ADD_FAILURE() << "no dialog is open";
    });
}

// A box with a short text is still as wide as its title needs.
TEST(QtDialogs, MessageBoxHasTheIconTitleTextAndOneOkButton) {
    const struct {
        ui::MessageKind kind;
        QMessageBox::Icon icon;
    } cases[] = {{ui::MessageKind::Failure, QMessageBox::Critical},
                 {ui::MessageKind::Refusal, QMessageBox::Warning},
                 {ui::MessageKind::Information, QMessageBox::Information}};
    for (const auto& c : cases) {
        whenOpen<QMessageBox>([&c](QMessageBox& box) {
            EXPECT_EQ(box.icon(), c.icon);
            EXPECT_EQ(box.windowTitle() + "|" + box.text(), "Error Message|Illegal Value");
            EXPECT_EQ(box.buttons(), QList<QAbstractButton*>{box.button(QMessageBox::Ok)});
            EXPECT_GE(box.width(), box.fontMetrics().horizontalAdvance(box.windowTitle()) + 160);
            box.accept();
        });
        app::QtDialogs().showMessage(nullptr, {c.kind, "Error Message", "Illegal Value"});
    }
}

// The default answer is the default button; Escape gives it only when the question says so.
TEST(QtDialogs, QuestionHasTwoAnswersTheDefaultOneChosenAndEscapeAsItSays) {
    for (const bool escapeGivesDefault : {true, false}) {
        const ui::Question question{"Sequate", "Put back?", "&Put back", "&Keep",
                                    escapeGivesDefault};
        whenOpen<QMessageBox>([](QMessageBox& box) {
            EXPECT_EQ(box.defaultButton()->text(), "&Put back");
            EXPECT_EQ(box.buttons().size(), 2);
            QTest::keyClick(&box, Qt::Key_Escape);
        });
        EXPECT_EQ(app::QtDialogs().ask(nullptr, question), escapeGivesDefault);
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
    whenOpen<QFileDialog>([](QFileDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "What the file is for");
        EXPECT_TRUE(dialog.selectedFiles().value(0).endsWith("/amp-plan.eco"));
        dialog.reject();
    });
    EXPECT_EQ(app::QtDialogs().chooseSaveFile(nullptr, "ECO files (*.eco)", "What the file is for",
                                              "amp-plan.eco"),
              std::nullopt);
}

} // namespace
} // namespace sequate::testing
