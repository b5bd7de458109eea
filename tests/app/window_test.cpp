// The main window as the user meets it: start-up and the documents PowerLogic opens while the
// program runs, what choosing an option does to the others, where Tab goes, the Help menu, the
// pictures for the documentation and the program's end, with the status it ends with.

#include "about/aboutbox.h"
#include "app/screenshottour.h"
#include "widgets/twips.h"
#include "windowfixture.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QMenuBar>

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

// A failure other than "no project" leaves the window as far as start-up got.
TEST_F(WindowTest, AnotherHostFailureAtStartUpOpensTheWindowAsFarAsStartUpGot) {
    start({document("amp.sch", {"R1"})}, true, 1);
    ASSERT_NE(launched.window, nullptr);
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(window().windowTitle(), "Sequate 1.4");
    EXPECT_EQ(child<QLineEdit>("txtStart")->text(), "");
    EXPECT_TRUE(dialogs.messages.empty());
}

// The window keeps its size in twips, wider only as far as the desktop's font needs for
// every caption to show whole.
TEST_F(WindowTest, OpensTopmostAndTakesUpAnotherDocumentOrEndsOnAnEmptyOne) {
    start({document("amp.sch", {"R1"}), document("psu.sch", {"C1"}), document("empty.sch", {})});
    ASSERT_NE(launched.window, nullptr);
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(window().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(window().windowTitle(), "Sequate amp.sch");
    EXPECT_EQ(child<QLineEdit>("txtStart")->text(), "1");
    for (QWidget* control : window().centralWidget()->findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractButton*>(control) || qobject_cast<QLabel*>(control)) {
            EXPECT_GE(control->width(), control->sizeHint().width())
                << control->objectName().toStdString();
        }
    }

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

// Every caption the window and its menus show, once.
TEST_F(WindowTest, ShowsItsCaptions) {
    start({document("amp.sch", {"R1"})});
    QStringList captions;
    for (const char* name : {"optStart", "optSelected", "optAssign", "optDuplicate", "chkSend",
                             "optECO", "optDirect", "cmdRun", "cmdEnd"}) {
        captions << child<QAbstractButton>(name)->text();
    }
    captions << child<QLabel>("lblStartFrom")->text()
             << child<QGroupBox>("frmSendOptions")->title();
    for (QAction* menu : window().menuBar()->actions()) {
        captions << menu->text();
        for (QAction* item : menu->menu()->actions()) {
            captions << item->text();
        }
    }
    EXPECT_EQ(captions, (QStringList{"Sequate all components", "Sequate selected components",
                                     "Assign next free names", "Rename duplicates",
                                     "Write ECO file for PowerPCB", "Write only",
                                     "Write and force read in PCB", "Run", "End", "Start from:",
                                     "Options", "&Pass", "&Preview...", "Last pass &report...",
                                     "&Help", "Sequate &Help...", "&About..."}));
}

// One letter per control: 'o' can be chosen, 'x' chosen, '-' greyed, '=' greyed but chosen.
const char* const controls[] = {"optStart", "optSelected", "optAssign", "optDuplicate",
                                "txtStart", "chkSend",     "optECO",    "optDirect"};

TEST_F(WindowTest, ChoosingAnOptionEnablesGreysAndClearsTheOthers) {
    const struct {
        std::vector<const char*> clicks;
        const char* state;
    } cases[] = {
        {{}, "oo---o-="},
        {{"optStart"}, "xo--oo-="},
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
        std::string clicked;
        for (const char* option : c.clicks) {
            click(option);
            clicked += std::string(" ") + option;
        }
        for (const char* name : controls) {
            auto* button = qobject_cast<QAbstractButton*>(child(name));
            const bool chosen = button && button->isChecked();
            state += child(name)->isEnabled() ? (chosen ? 'x' : 'o') : (chosen ? '=' : '-');
        }
        EXPECT_EQ(state, c.state) << "after clicking" << clicked;
    }
}

// Tab enters a group of options at its selected option (the arrow keys move within the
// group) and passes over greyed controls.
TEST_F(WindowTest, TabVisitsTheSelectedOptionOfEachGroupAndPassesOverGreyedControls) {
    start({document("amp.sch", {"R1"})});
    const auto tabFrom = [this](const char* first) {
        window().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window()));
        child(first)->setFocus();
        QStringList visited;
        for (int i = 0; i < 6 && QApplication::focusWidget(); ++i) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        return visited.join(' ');
    };
    click("optStart");
    EXPECT_EQ(tabFrom("optStart"), "optStart txtStart cmdRun cmdEnd chkSend optStart");
    click("optSelected");
    click("optDuplicate");
    click("chkSend");
    EXPECT_EQ(tabFrom("txtStart"), "txtStart cmdRun optSelected cmdEnd optDuplicate optDirect");
}

TEST_F(WindowTest, AboutBoxIsMadeOnceAndOpensBesideTheMainWindow) {
    start({document("amp.sch", {"R1"})});
    const QPoint offset = widgets::twipsOffset(window(), 100, 100);
    child<QAction>("mnuAbout")->trigger();
    auto* box = child("frmAbout");
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->pos(), window().pos() + offset);
    EXPECT_TRUE(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(box->isModal());

    box->hide();
    window().move(window().pos() + QPoint(40, 30));
    child<QAction>("mnuAbout")->trigger();
    EXPECT_EQ(window().findChildren<about::AboutBox*>().size(), 1);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->pos(), window().pos() + offset);

    QTest::mouseClick(child("frmAbout/lblAddress"), Qt::LeftButton);
    EXPECT_EQ(dialogs.urls.size(), 1u); // the box's link goes through the dialogs
}

TEST_F(WindowTest, HelpOpensTheHelpPageOrSaysWhereItIs) {
    start({document("amp.sch", {"R1"})});
    child<QAction>("mnuHelpPage")->trigger();
    ASSERT_EQ(dialogs.urls.size(), 1u);
    EXPECT_TRUE(QFileInfo::exists(dialogs.urls.front().toLocalFile()));
    EXPECT_TRUE(dialogs.urls.front().path().endsWith("/help.md"));
    EXPECT_TRUE(dialogs.messages.empty());

    dialogs.browserOpens = false;
    child<QAction>("mnuHelpPage")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages.front().text.startsWith("The help page could not be opened."));
    EXPECT_TRUE(dialogs.messages.front().text.endsWith("help.md"));
}

TEST_F(WindowTest, TourSavesAPictureOfEveryWindowThatOpenedAndEndsTheProgram) {
    const QStringList always{"about-box.png", "main-window.png", "preview-window.png"};
    const struct {
        Names parts;
        QStringList pictures;
    } cases[] = {{{"R5", "U1A", "C9"}, always + QStringList{"report-window.png"}},
                 {{"R5", "C9"}, always}}; // every name numbered: no report window
    for (const auto& c : cases) {
        QTemporaryDir folder;
        start({document("amp.sch", c.parts)});
        QSignalSpy ended(&window(), &app::MainWindow::programEnd);
        app::startScreenshotTour(window(), folder.path());
        ASSERT_TRUE(ended.wait(10000));
        EXPECT_EQ(ended.front().front().toInt(), 0);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), c.pictures);
    }
}

} // namespace
} // namespace sequate::testing
