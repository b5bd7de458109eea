// The Qt window's wiring, one case per wiring: clicks, keys and menus reach ui/, and the windows
// show what it says. What ui/ and the engine decide is tested there.

#include "app/qtsettingsstore.h"
#include "tests/support/longestaccountlines.h"
#include "windowfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace sequate::testing {
namespace {

using Rows = std::vector<Names>; // old name, new name, note

std::string readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "(no file)";
}

class PassTest : public WindowTest {
protected:
    Rows rows(const QString& window) {
        auto* list = child<QTreeWidget>(window + "/lstNames");
        Rows rows(list->topLevelItemCount());
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            for (int column = 0; column < 3; ++column)
                rows[i].push_back(list->topLevelItem(i)->text(column).toStdString());
        return rows;
    }

    QTemporaryDir folder;
};

TEST_F(WindowTest, RefusedStartSaysWhyAndEndsWithStatusOneWithoutAWindow) {
    start({});
    EXPECT_EQ(launched.window, nullptr);
    EXPECT_EQ(launched.exitStatus, 1);
    EXPECT_EQ(dialogs.messages,
              std::vector<QString>{
                  "critical | Sequate | You must load a project before running Sequate"});
}

TEST_F(WindowTest, OpensTopmostAndTakesUpAnotherDocument) {
    start({document("amp.sch", {"R1"}), document("psu.sch", {"C1"})});
    ASSERT_NE(launched.window, nullptr);
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(window().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(window().windowTitle(), "Sequate amp.sch");
    click("optStart");
    logic->openDocument(1);
    logic->processEvents();
    EXPECT_EQ(window().windowTitle(), "Quillaron psu.sch");
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

// Help > Sequate Help shows the help page, its pictures found beside it; Escape closes it, and
// the about box too.
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

// A FIFO at the settings file would hold the window before it showed; it is left as it is.
TEST_F(WindowTest, ASettingsFileThatIsAFifoIsNeitherReadNorWritten) {
    const std::string file = app::QtSettingsStore::fileName().toStdString();
    std::filesystem::remove(file);
    std::filesystem::create_directories(std::filesystem::path(file).parent_path());
    ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    // Should the window open the FIFO, a writer that gives it an end lets the test go on.
    std::atomic<bool> started = false, released = false;
    std::thread watchdog([&] {
        for (int tenth = 0; tenth < 100 && !started; ++tenth)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (const int writer = ::open(file.c_str(), O_WRONLY | O_NONBLOCK); writer >= 0) {
            released = !started;
            ::close(writer);
        }
    });
    start({document("amp.sch", {"R1", "R2"})});
    started = true;
    watchdog.join();
    EXPECT_FALSE(released) << "the window waited on the FIFO";
    EXPECT_EQ(child<QLineEdit>("txtStart")->text(), "1");
    click("cmdEnd");
    EXPECT_TRUE(std::filesystem::is_fifo(file));
    std::filesystem::remove(file);
}

// The text typed in Leave alone reaches the request, and Enter in the order box presses Run: the
// refusal's box takes the keyboard with its text selected.
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

// The preview's save button reaches the save dialog and keeps the preview open; Enter presses
// Apply, though the save buttons come before it.
TEST_F(PassTest, ApplyAfterPreviewRunsThePlanShown) {
    start({document("amp.sch", {"R3", "C9", "R1", "U1A"})});
    click("optStart");
    trigger("mnuPreview");
    EXPECT_EQ(rows("frmPreview").front(), (Names{"R3", "R1", ""}));
    dialogs.saveAnswers = {folder.filePath("plan.eco")};
    click("frmPreview/cmdSaveEco");
    EXPECT_NE(readFile(folder.filePath("plan.eco")).find("\nR3 R1\r\n"), std::string::npos);
    EXPECT_EQ(dialogs.offeredNames, std::vector<QString>{"amp-plan.eco"});
    EXPECT_TRUE(shown("frmPreview"));
    QTest::keyClick(child("frmPreview/txtFilter"), Qt::Key_Return);
    EXPECT_FALSE(shown("frmPreview"));
    EXPECT_EQ(logic->openNames(), (Names{"R1", "C1", "R2", "U1A"}));
}

// The report opens by itself when a name could not be numbered; its filter, a header's click
// and Copy reach the list; Tab leaves the box of names ending in a letter. Pass > Last pass
// report brings it back from the task bar, and Escape closes it.
TEST_F(PassTest, ReportShowsTheLastPass) {
    start({document("amp.sch", {"R1", "R5", "U1A", "C2", "R"})});
    click("optStart");
    run();
    EXPECT_TRUE(shown("frmNotChanged"));
    EXPECT_EQ(rows("frmNotChanged").front(), (Names{"R5", "R2", ""}));
    EXPECT_EQ(child<QPlainTextEdit>("frmNotChanged/txtNotChanged")->toPlainText(), "U1A\nR\n");
    QTest::keyClicks(child("frmNotChanged/txtFilter"), "r");
    QHeaderView* header = child<QTreeWidget>("frmNotChanged/lstNames")->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(0) + 4, header->height() / 2));
    click("frmNotChanged/cmdCopy");
    EXPECT_EQ(QApplication::clipboard()->text(),
              "Old name\tNew name\tNote\nR\tR\tends in a letter\n"
              "R1\tR1\talready has its name\nR5\tR2\t\n");
    child("frmNotChanged/txtNotChanged")->setFocus();
    QTest::keyClick(child("frmNotChanged/txtNotChanged"), Qt::Key_Tab);
    EXPECT_EQ(child("frmNotChanged")->focusWidget(), child("frmNotChanged/cmdCopy"));
    child("frmNotChanged")->showMinimized();
    trigger("mnuReport");
    EXPECT_TRUE(shown("frmNotChanged") && !child("frmNotChanged")->isMinimized());
    QTest::keyClick(child("frmNotChanged"), Qt::Key_Escape);
    EXPECT_FALSE(shown("frmNotChanged"));
}

// The pass's ECO file goes where the save dialog says; Pass > Put back the last pass takes the
// pass back once asked.
TEST_F(PassTest, EcoFileGoesWhereChosenAndPutBackTakesThePassBack) {
    start({document("amp.sch", {"R5", "C9", "R7"})});
    click("optStart");
    click("chkSend");
    click("optECO");
    const QString path = folder.filePath("renames");
    dialogs.saveAnswers = {path};
    run();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"renames"});
    EXPECT_NE(readFile(path).find("R5 R1"), std::string::npos);
    dialogs.saveAnswers = {folder.filePath("back")};
    trigger("mnuPutBack");
    EXPECT_EQ(logic->openNames(), (Names{"R5", "C9", "R7"}));
}

// Enter starts a pass; during it the bar counts the read, and the End key reaches the window
// logic's question while Run and the options are greyed and the keyboard is on the window
// itself. Then the keyboard goes back to the start box and the program goes on.
TEST_F(PassTest, EndDuringAPassStopsItAndEveryNameComesBack) {
    start({document("amp.sch", {"R5", "R7", "C9"})});
    QSignalSpy ended(&window(), &app::MainWindow::programEnd);
    click("optStart");
    bool greyedDuringPass = false;
    int barMaximum = 0;
    QWidget* keyboardDuringPass = nullptr;
    QTimer::singleShot(0, &window(), [&] {
        greyedDuringPass = !child("cmdRun")->isEnabled() && !child("cboOrder")->isEnabled();
        barMaximum = child<QProgressBar>("prgbarEdistys")->maximum();
        keyboardDuringPass = window().focusWidget();
        QTest::keyClick(keyboardDuringPass, Qt::Key_End);
    });
    dialogs.defaultAnswer = false; // "Stop the pass"
    child("txtStart")->setFocus();
    QTest::keyClick(child("txtStart"), Qt::Key_Return);
    EXPECT_TRUE(greyedDuringPass);
    EXPECT_EQ(barMaximum, 3);
    EXPECT_EQ(keyboardDuringPass, &window());
    EXPECT_EQ(window().focusWidget(), child("txtStart"));
    EXPECT_EQ(logic->openNames(), (Names{"R5", "R7", "C9"}));
    EXPECT_EQ(ended.count(), 0);
    QTest::keyClick(child("txtStart"), Qt::Key_Return);
    EXPECT_EQ(logic->openNames(), (Names{"R1", "R2", "C1"}));
}

} // namespace
} // namespace sequate::testing
