// The main window as the user meets it: start-up and the documents PowerLogic opens while the
// program runs, what choosing an option does to the others and the program's end, with the
// status it ends with.

#include "windowfixture.h"

#include <QImage>
#include <QTextBrowser>

namespace sequate::testing {
namespace {

std::vector<QString> critical(const char* text) {
    return {QString("critical | Sequate | ") + text};
}

TEST_F(WindowTest, RefusedStartSaysWhyAndEndsWithStatusOneWithoutAWindow) {
    start({});
    EXPECT_EQ(launched.window, nullptr);
    EXPECT_EQ(launched.exitStatus, 1);
    EXPECT_EQ(dialogs.messages, critical("You must load a project before running Sequate"));
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
        window().logic().OpenDocument(nullptr);
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
        byButton ? click("cmdEnd") : void(window().close());
        ASSERT_EQ(ended.count(), 1);
        EXPECT_EQ(ended.front().front().toInt(), 0);
        EXPECT_FALSE(window().isVisible() || shown("frmNotChanged") || shown("frmAbout"));
    }
}

// Help > Sequate Help shows the help page as a page, its pictures found beside it; Escape
// closes it, and the about box too.
TEST_F(WindowTest, HelpShowsThePageWithItsPicturesAndEscapeClosesItAndTheAboutBox) {
    start({document("amp.sch", {"R1"})});
    trigger("mnuHelpPage");
    ASSERT_TRUE(shown("frmHelp"));
    QTextDocument* page = child<QTextBrowser>("frmHelp/txtHelp")->document();
    EXPECT_TRUE(page->toPlainText().startsWith("Sequate help"));
    const QVariant picture = page->resource(QTextDocument::ImageResource, QUrl("main-window.png"));
    EXPECT_FALSE(picture.value<QImage>().isNull());
    trigger("mnuAbout");
    for (const char* name : {"frmHelp", "frmAbout"}) {
        QTest::keyClick(child(name), Qt::Key_Escape);
        EXPECT_FALSE(shown(name)) << name;
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

// The clicks reach the window logic and the controls show what it says. One letter per
// control: 'o' can be chosen, 'x' chosen, '-' greyed, '=' greyed but chosen.
TEST_F(WindowTest, ClicksReachTheOptionsAndTheControlsShowThem) {
    const struct {
        std::vector<const char*> clicks;
        const char* state;
    } cases[] = {
        {{}, "oo---o-="},
        {{"optSelected", "optDuplicate", "chkSend", "optECO"}, "oxoxoxxo"},
        {{"optSelected", "optStart"}, "xo--oo-="},
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

} // namespace
} // namespace sequate::testing
