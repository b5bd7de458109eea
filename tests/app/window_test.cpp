// The main window as the user meets it: start-up and the documents PowerLogic opens while the
// program runs, what choosing an option does to the others and the program's end, with the
// status it ends with.

#include "tests/support/longestaccountlines.h"
#include "windowfixture.h"

#include <QComboBox>
#include <QImage>
#include <QTextBrowser>

namespace sequate::testing {
namespace {

TEST_F(WindowTest, RefusedStartSaysWhyAndEndsWithStatusOneWithoutAWindow) {
    start({});
    EXPECT_EQ(launched.window, nullptr);
    EXPECT_EQ(launched.exitStatus, 1);
    EXPECT_EQ(dialogs.messages,
              std::vector<QString>{
                  "critical | Sequate | You must load a project before running Sequate"});
}

// What a document opened without components does is start-up's to decide (tests/engine).
TEST_F(WindowTest, OpensTopmostAndTakesUpAnotherDocument) {
    start({document("amp.sch", {"R1"}), document("psu.sch", {"C1"})});
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

// The clicks and the order chosen by the keyboard reach the window logic, and the controls
// show what it says; the next start shows them again, the window where it was.
TEST_F(WindowTest, ClicksReachTheOptionsAndTheNextStartShowsThemAgainWhereTheWindowWas) {
    for (bool again : {false, true}) {
        start({document("amp.sch", {"R1", "R2"})});
        auto* order = child<QComboBox>("cboOrder");
        if (!again) {
            for (const char* option : {"optSelected", "optDuplicate", "chkSend", "optECO"})
                click(option);
            typeStart("40");
            QTest::keyClick(order, Qt::Key_Down);
            window().move(20, 30);
        }
        const ui::OptionPanel& options = window().logic().options();
        EXPECT_TRUE(options.chosen(ui::Control::renameDuplicatesOption) &&
                    options.eco() == engine::EcoDestination::ChosenFile);
        EXPECT_EQ(options.order(), engine::WalkOrder::AcrossThenDown);
        EXPECT_EQ(order->currentIndex(), 1);
        EXPECT_EQ(order->itemText(0), "By position");
        for (const ui::ControlPlace& place : ui::mainWindowControls()) {
            auto* button = qobject_cast<QAbstractButton*>(child(place.objectName));
            EXPECT_EQ(child(place.objectName)->isEnabled(), options.enabled(place.control));
            EXPECT_EQ(button && button->isChecked(), options.chosen(place.control))
                << place.objectName;
        }
        EXPECT_EQ(child<QLineEdit>("txtStart")->text(), "40");
        EXPECT_EQ(window().frameGeometry().topLeft(), QPoint(20, 30));
        click("cmdEnd");
    }
}

// The text typed in Leave alone reaches the request, and Enter in the order box presses Run: the
// refusal is titled after the box, which takes the keyboard with its text selected.
TEST_F(WindowTest, ARefusedLeaveAloneEntryGoesBackToItsBoxToRetype) {
    start({document("amp.sch", {"R1"})});
    click("optStart");
    QTest::keyClicks(child("txtLeaveAlone"), "TP*, 1x*");
    QTest::keyClick(child("cboOrder"), Qt::Key_Return);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].startsWith("exclamation | Leave alone | \"1x*\""));
    EXPECT_EQ(window().focusWidget(), child("txtLeaveAlone"));
    EXPECT_EQ(child<QLineEdit>("txtLeaveAlone")->selectedText(), "TP*, 1x*");
}

// The account line holds its longest lines, wrapped, at the screen's dpi: the suite runs this
// at 96 dpi and again at 144.
TEST_F(WindowTest, AccountLineHoldsItsLongestLinesWrapped) {
    start({document("amp.sch", {"R1"})});
    auto* line = child<QLabel>("lblAccount");
    for (const std::string& text : longestAccountLines()) {
        const QRect needed = line->fontMetrics().boundingRect(
            QRect(0, 0, line->width(), 10000), Qt::TextWordWrap, QString::fromStdString(text));
        EXPECT_LE(needed.height(), line->height()) << text;
        EXPECT_LE(needed.width(), line->width()) << text;
    }
}

} // namespace
} // namespace sequate::testing
