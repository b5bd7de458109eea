// A pass as the user starts it, by Run or by Pass > Preview and Apply, and what the window then
// shows: the progress bar, the report of the last pass and the two ways of writing the ECO file.

#include "eco/ecotext.h"
#include "windowfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QTimer>
#include <QTreeWidget>

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
    QString summary() { return child<QLabel>("frmNotChanged/lblSummary")->text(); }
    void expectSummary(const QString& part) {
        EXPECT_TRUE(summary().contains(part)) << summary().toStdString();
    }
    QString reportText() {
        return child<QPlainTextEdit>("frmNotChanged/txtNotChanged")->toPlainText();
    }

    QTemporaryDir folder;
};

// Apply after Preview renames as the options say and as the preview showed (Run's wiring is
// in every test below); saving the plan as an ECO file or CSV renames nothing and keeps the
// preview open.
TEST_F(PassTest, ApplyAfterPreviewRenamesAsTheOptionsSay) {
    start({document("amp.sch", {"R3", "C9", "R1", "U1A"})});
    click("optStart");
    trigger("mnuPreview");
    EXPECT_EQ(rows("frmPreview").front(), (Names{"R3", "R1", ""}));
    dialogs.saveAnswers = {folder.filePath("plan.eco"), folder.filePath("plan.csv")};
    click("frmPreview/cmdSaveEco");
    click("frmPreview/cmdSaveCsv");
    const std::string plan = readFile(folder.filePath("plan.eco"));
    EXPECT_TRUE(plan.starts_with("*PADS-ECO-V3.0-MILS*") && plan.find("\nR3 R1\r\n") != plan.npos)
        << plan;
    EXPECT_TRUE(
        readFile(folder.filePath("plan.csv")).starts_with("Old name,New name,Note\r\nR3,R1,\r\n"));
    EXPECT_EQ(dialogs.offeredNames, (std::vector<QString>{"amp-plan.eco", ""}));
    EXPECT_TRUE(shown("frmPreview"));
    EXPECT_EQ(logic->openNames(), (Names{"R3", "C9", "R1", "U1A"}));
    // Enter presses Apply, though the save buttons come before it.
    QTest::keyClick(child("frmPreview/txtFilter"), Qt::Key_Return);
    EXPECT_FALSE(shown("frmPreview"));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(logic->openNames(), (Names{"R1", "C1", "R2", "U1A"}));
}

// The report opens by itself only when a name could not be numbered, and always tells of the
// last pass alone: its renames, the names kept and why, and a pass that stopped (what Cancel in
// the save dialog does to the names is the window logic's). Copy takes the rows the filter
// shows.
TEST_F(PassTest, ReportTellsOfTheLastPass) {
    start({document("amp.sch", {"R1", "R5", "U1A", "C2", "R"})});
    click("optStart");
    run();
    EXPECT_TRUE(shown("frmNotChanged"));
    EXPECT_EQ(rows("frmNotChanged"), (Rows{{"R5", "R2", ""},
                                           {"C2", "C1", ""},
                                           {"R1", "R1", "already has its name"},
                                           {"U1A", "U1A", "ends in a letter"},
                                           {"R", "R", "ends in a letter"}}));
    EXPECT_EQ(reportText(), "U1A\nR\n");
    QTest::keyClicks(child("frmNotChanged/txtFilter"), "r");
    QHeaderView* header = child<QTreeWidget>("frmNotChanged/lstNames")->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(0) + 4, header->height() / 2));
    click("frmNotChanged/cmdCopy");
    EXPECT_EQ(QApplication::clipboard()->text(),
              "Old name\tNew name\tNote\nR\tR\tends in a letter\n"
              "R1\tR1\talready has its name\nR5\tR2\t\n");
    // Tab leaves the box of names ending in a letter, and Escape closes the window from it.
    child("frmNotChanged/txtNotChanged")->setFocus();
    QTest::keyClick(child("frmNotChanged/txtNotChanged"), Qt::Key_Tab);
    EXPECT_EQ(child("frmNotChanged")->focusWidget(), child("frmNotChanged/cmdCopy"));
    click("chkSend");
    click("optECO");
    typeStart("5");
    run();
    expectSummary("The pass stopped: No ECO file was written");
    EXPECT_TRUE(rows("frmNotChanged").empty());
    EXPECT_TRUE(child<QLineEdit>("frmNotChanged/txtFilter")->text().isEmpty());
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

// Pass > Put back the last pass takes the pass back, schematic and layout, once asked.
TEST_F(PassTest, PutBackTheLastPassTakesItBackOnBothSides) {
    start({document("putback.sch", {"R5", "C9", "R7"})});
    click("optStart");
    click("chkSend");
    run();
    ASSERT_EQ(logic->openNames(), (Names{"R1", "C1", "R2"}));
    trigger("mnuPutBack");
    EXPECT_EQ(logic->openNames(), (Names{"R5", "C9", "R7"}));
    EXPECT_EQ(pcb->layout()->parts, logic->openNames());
    EXPECT_EQ(child<QLabel>("lblAccount")->text(),
              "The last pass is put back: 3 renames made, ECO file read by PowerPCB");
}

// Write and force read renames the layout too; Write only writes where the user chose, as
// typed; the report tells where the file went.
TEST_F(PassTest, EcoFileIsReadByPowerPcbOrWrittenWhereChosen) {
    start({document("amp.sch", {"R5", "C9", "R7"})});
    click("optStart");
    click("chkSend");
    run();
    EXPECT_TRUE(dialogs.filters.empty() && dialogs.messages.empty());
    EXPECT_EQ(logic->openNames(), (Names{"R1", "C1", "R2"}));
    EXPECT_EQ(pcb->layout()->parts, logic->openNames());
    EXPECT_TRUE(pcb->log().empty());
    EXPECT_FALSE(shown("frmNotChanged")); // every name numbered: nothing to show
    EXPECT_EQ(child<QLabel>("lblAccount")->text(), "3 renamed, ECO file read by PowerPCB");
    child("frmNotChanged")->showMinimized();
    trigger("mnuReport");
    EXPECT_TRUE(shown("frmNotChanged"));
    EXPECT_FALSE(child("frmNotChanged")->isMinimized());
    expectSummary("ECO file: read by the layout open in PowerPCB");
    QTest::keyClick(child("frmNotChanged"), Qt::Key_Escape);
    EXPECT_FALSE(shown("frmNotChanged"));

    click("optECO");
    typeStart("3");
    const QString path = folder.filePath("renames");
    dialogs.saveAnswers = {path};
    run();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"renames"});
    EXPECT_EQ(readFile(path), eco::ecoText({"R1", "C1", "R2"}, {"R3", "C3", "R4"}));
    expectSummary("ECO file: " + path);
}

// The End key during a pass reaches the window logic's question, while Run and the options are
// greyed and the keyboard is on the window itself; then the keyboard goes back to the start box
// and the program goes on. What a stop does to the names and the account line is decided and
// tested below the view. Enter starts a pass.
TEST_F(PassTest, EndDuringAPassStopsItAndEveryNameComesBack) {
    start({document("amp.sch", {"R5", "R7", "C9"})});
    QSignalSpy ended(&window(), &app::MainWindow::programEnd);
    click("optStart");
    bool greyedDuringPass = false;
    QWidget* keyboardDuringPass = nullptr;
    QTimer::singleShot(0, &window(), [&] {
        greyedDuringPass = !child("cmdRun")->isEnabled() && !child("cboOrder")->isEnabled();
        keyboardDuringPass = window().focusWidget();
        QTest::keyClick(keyboardDuringPass, Qt::Key_End);
    });
    dialogs.defaultAnswer = false; // "Stop the pass"
    child("txtStart")->setFocus();
    QTest::keyClick(child("txtStart"), Qt::Key_Return);
    EXPECT_TRUE(greyedDuringPass);
    EXPECT_EQ(keyboardDuringPass, &window());
    EXPECT_EQ(window().focusWidget(), child("txtStart"));
    EXPECT_EQ(logic->openNames(), (Names{"R5", "R7", "C9"}));
    EXPECT_TRUE(child("cmdRun")->isEnabled() && child("cboOrder")->isEnabled());
    EXPECT_EQ(ended.count(), 0);
    QTest::keyClick(child("txtStart"), Qt::Key_Return);
    EXPECT_EQ(logic->openNames(), (Names{"R1", "R2", "C1"}));
}

} // namespace
} // namespace sequate::testing
