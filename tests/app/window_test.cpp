// The main window as the user meets it: start-up and the documents PowerLogic opens while the
// program runs, what choosing an option does to the others, the Help menu, the pictures for the
// documentation and the program's end, with the status it ends with.

#include "app/screenshottour.h"
#include "windowfixture.h"

#include <QDir>
#include <QFileInfo>
#include <utility>

namespace sequate::testing {
namespace {

std::vector<QString> critical(const char* text) {
    return {QString("critical | Sequate | ") + text};
}

TEST_F(WindowTest, RefusedStartSaysWhyAndEndsWithStatusOneWithoutAWindow) {
    for (bool running : {false, true}) {
        dialogs.messages.clear();
        start({}, running);
        EXPECT_EQ(launched.window, nullptr);
        EXPECT_EQ(launched.exitStatus, 1);
        EXPECT_EQ(dialogs.messages,
                  critical(running ? "You must load a project before running Sequate"
                                   : "Are you sure Powerlogic is running ? "));
    }
}

// A failure other than "no project" leaves the window as far as start-up got.
TEST_F(WindowTest, AnotherHostFailureAtStartUpOpensTheWindowAsFarAsStartUpGot) {
    start({document("amp.sch", {"R1"})}, true, 1);
    ASSERT_NE(launched.window, nullptr);
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(window().windowTitle(), "Sequate 1.4");
    EXPECT_EQ(child<QLineEdit>("txtStart")->text(), "");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(WindowTest, OpensTopmostAndTakesUpAnotherDocumentOrEndsOnAnEmptyOne) {
    start({document("amp.sch", {"R1"}), document("psu.sch", {"C1"}), document("empty.sch", {})});
    ASSERT_NE(launched.window, nullptr);
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(window().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(window().windowTitle(), "Sequate amp.sch");
    EXPECT_EQ(child<QLineEdit>("txtStart")->text(), "1");

    QSignalSpy ended(&window(), &app::MainWindow::programEnd);
    click("optStart");
    logic->openDocument(1);
    logic->processEvents();
    EXPECT_EQ(window().windowTitle(), "Quillaron psu.sch");
    EXPECT_EQ(ended.count(), 0);

    logic->openDocument(2);
    logic->processEvents();
    EXPECT_EQ(dialogs.messages, critical("There is no componets in project"));
    ASSERT_EQ(ended.count(), 1);
    EXPECT_EQ(ended.front().front().toInt(), 1);
    EXPECT_FALSE(window().isVisible());
}

// A notification that arrives while a pass holds the window (here: while its file dialog is
// open) is handled once the pass is over, never in the middle of it.
TEST_F(WindowTest, DocumentOpenedDuringAPassIsTakenUpAfterIt) {
    start({document("amp.sch", {"R5", "R7"})});
    for (const char* option : {"optStart", "chkSend", "optECO"})
        click(option);
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
        trigger("mnuAbout");
        ASSERT_TRUE(shown("frmNotChanged") && shown("frmAbout"));
        QTest::mouseClick(child("frmAbout/lblAddress"), Qt::LeftButton);
        EXPECT_EQ(std::exchange(dialogs.urls, {}).size(), 1u); // the link goes through dialogs
        byButton ? click("cmdEnd") : void(window().close());
        ASSERT_EQ(ended.count(), 1);
        EXPECT_EQ(ended.front().front().toInt(), 0);
        EXPECT_FALSE(window().isVisible() || shown("frmNotChanged") || shown("frmAbout"));
    }
}

// One letter per control: 'o' can be chosen, 'x' chosen, '-' greyed, '=' greyed but chosen.
TEST_F(WindowTest, ChoosingAnOptionEnablesGreysAndClearsTheOthers) {
    const struct {
        std::vector<const char*> clicks;
        const char* state;
    } cases[] = {
        {{}, "oo---o-="},
        {{"optStart", "optStart"}, "xo--oo-="},
        {{"optSelected"}, "oxxooo-="},
        {{"optSelected", "optDuplicate", "optStart"}, "xo--oo-="},
        {{"optAssign"}, "oo---o-="},
        {{"chkSend"}, "oo---xox"},
        {{"chkSend", "optECO", "chkSend", "optDirect"}, "oo---o=-"},
    };
    for (const auto& c : cases) {
        start({document("amp.sch", {"R1", "R2"})});
        std::string state;
        for (const char* option : c.clicks)
            click(option);
        for (const char* name : {"optStart", "optSelected", "optAssign", "optDuplicate", "txtStart",
                                 "chkSend", "optECO", "optDirect"}) {
            auto* button = qobject_cast<QAbstractButton*>(child(name));
            const bool chosen = button && button->isChecked();
            state += child(name)->isEnabled() ? (chosen ? 'x' : 'o') : (chosen ? '=' : '-');
        }
        EXPECT_EQ(state, c.state) << "after clicking " << c.clicks.size() << " options";
    }
}

TEST_F(WindowTest, HelpOpensTheHelpPageOrSaysWhereItIs) {
    start({document("amp.sch", {"R1"})});
    trigger("mnuHelpPage");
    ASSERT_TRUE(dialogs.urls.size() == 1 && dialogs.messages.empty());
    EXPECT_TRUE(dialogs.urls[0].path().endsWith("/help.md"));
    EXPECT_TRUE(QFileInfo::exists(dialogs.urls[0].toLocalFile()));
    dialogs.browserOpens = false;
    trigger("mnuHelpPage");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].contains("| The help page could not be opened."));
    EXPECT_TRUE(dialogs.messages[0].endsWith("help.md"));
}

TEST_F(WindowTest, TourSavesAPictureOfEveryWindowAndEndsTheProgram) {
    QTemporaryDir folder;
    start({document("amp.sch", {"R5", "U1A", "C9"})});
    QSignalSpy ended(&window(), &app::MainWindow::programEnd);
    app::startScreenshotTour(window(), folder.path());
    ASSERT_TRUE(ended.wait(10000));
    EXPECT_EQ(ended.front().front().toInt(), 0);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
              (QStringList{"about-box.png", "main-window.png", "preview-window.png",
                           "report-window.png"}));
}

} // namespace
} // namespace sequate::testing
