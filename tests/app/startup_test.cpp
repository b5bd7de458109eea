// Start-up, the documents PowerLogic opens while the program runs, and the program's end, seen
// from the window: what it shows and the status it ends with.

#include "windowfixture.h"

#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

namespace sequate::testing {
namespace {

ShownMessage critical(const char* text) {
    return {engine::MessageStyle::Critical, "Sequate", text};
}

TEST_F(WindowTest, RefusedStartSaysWhyAndEndsWithoutAWindow) {
    const struct {
        bool powerLogicRunning;
        const char* message;
    } cases[] = {{false, "Are you sure Powerlogic is running ? "},
                 {true, "You must load a project before running Sequate"}};
    for (const auto& c : cases) {
        dialogs.messages.clear();
        start({}, c.powerLogicRunning);
        EXPECT_EQ(launched.window, nullptr);
        EXPECT_EQ(launched.exitStatus, 1);
        EXPECT_EQ(dialogs.messages, std::vector<ShownMessage>{critical(c.message)});
    }
}

TEST_F(WindowTest, OpensTopmostWithTheDocumentNameAndStartNumberOne) {
    start({document("amp.sch", {"R1", "C1"})});
    ASSERT_NE(launched.window, nullptr);
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(window().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(window().windowTitle(), "Sequate amp.sch");
    EXPECT_EQ(child<QLineEdit>("txtStart")->text(), "1");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(WindowTest, AnotherDocumentOpenedIsTakenUpOrEndsTheProgram) {
    start({document("amp.sch", {"R1"}), document("psu.sch", {"C1"}), document("empty.sch", {})});
    QSignalSpy ended(&window(), &app::MainWindow::programEnd);
    click("optStart");
    logic->openDocument(1);
    logic->processEvents();
    EXPECT_EQ(window().windowTitle(), "Quillaron psu.sch");
    EXPECT_FALSE(child<QRadioButton>("optStart")->isChecked());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(ended.count(), 0);

    logic->openDocument(2);
    logic->processEvents();
    EXPECT_EQ(dialogs.messages,
              std::vector<ShownMessage>{critical("There is no componets in project")});
    ASSERT_EQ(ended.count(), 1);
    EXPECT_EQ(ended.front().front().toInt(), 1);
    EXPECT_FALSE(window().isVisible());
}

// A notification that arrives while a pass holds the window (here: while its file dialog is
// open) is handled once the pass is over, never in the middle of it.
TEST_F(WindowTest, DocumentOpenedDuringAPassIsTakenUpAfterIt) {
    start({document("amp.sch", {"R5", "R7"})});
    click("optStart");
    click("chkSend");
    click("optECO");
    QString captionDuringPass;
    dialogs.whileFileDialogOpen = [&] {
        window().OpenDocument(nullptr);
        captionDuringPass = window().windowTitle();
    };
    run();
    EXPECT_EQ(captionDuringPass, "Sequate amp.sch");
    EXPECT_EQ(window().windowTitle(), "Quillaron amp.sch");
    EXPECT_FALSE(child<QRadioButton>("optStart")->isChecked());
}

// The report window and the about box go with the main window, and the status is 0.
TEST_F(WindowTest, EndButtonAndWindowFrameEndWithStatusZeroAndCloseEveryWindow) {
    for (bool byButton : {true, false}) {
        start({document("amp.sch", {"R1", "U1A"})});
        QSignalSpy ended(&window(), &app::MainWindow::programEnd);
        click("optStart");
        run();
        child<QAction>("mnuAbout")->trigger();
        ASSERT_TRUE(child("frmNotChanged")->isVisible());
        ASSERT_TRUE(child("frmAbout")->isVisible());
        if (byButton) {
            QTest::mouseClick(child<QPushButton>("cmdEnd"), Qt::LeftButton);
        } else {
            window().close();
        }
        ASSERT_EQ(ended.count(), 1);
        EXPECT_EQ(ended.front().front().toInt(), 0);
        EXPECT_FALSE(window().isVisible());
        EXPECT_FALSE(child("frmNotChanged")->isVisible());
        EXPECT_FALSE(child("frmAbout")->isVisible());
    }
}

} // namespace
} // namespace sequate::testing
