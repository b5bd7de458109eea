// A pass as the user starts it, by Run or by Pass > Preview and Apply, and what the window then
// shows: the progress bar, the report of the last pass and the two ways of writing the ECO file.

#include "app/previewwindow.h"
#include "eco/ecotext.h"
#include "windowfixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace sequate::testing {
namespace {

using Rows = std::vector<Names>; // old name, new name, note

Rows rowsOf(QTreeWidget* list) {
    Rows rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (!list->topLevelItem(i)->isHidden()) {
            rows.push_back({});
            for (int column = 0; column < 3; ++column) {
                rows.back().push_back(list->topLevelItem(i)->text(column).toStdString());
            }
        }
    }
    return rows;
}

std::string readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "(no file)";
}

class PassTest : public WindowTest {
protected:
    Rows reportRows() { return rowsOf(child<QTreeWidget>("frmNotChanged/lstNames")); }
    QString summary() { return child<QLabel>("frmNotChanged/lblSummary")->text(); }
    QString reportText() {
        return child<QPlainTextEdit>("frmNotChanged/txtNotChanged")->toPlainText();
    }
    bool shown(const char* name) { return child(name)->isVisible(); }

    QTemporaryDir folder;
};

struct Mode {
    const char* what;
    std::vector<const char*> clicks;
    Names parts;
    std::vector<std::size_t> selected;
    const char* start;
    Names after;
};

void PrintTo(const Mode& c, std::ostream* out) {
    *out << c.what;
}

class ModeTest : public PassTest, public ::testing::WithParamInterface<Mode> {
protected:
    void SetUp() override {
        start({document("amp.sch", GetParam().parts, GetParam().selected)});
        for (const char* option : GetParam().clicks) {
            click(option);
        }
        typeStart(GetParam().start);
    }
};

TEST_P(ModeTest, RunRenamesAsTheOptionsSay) {
    run();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(logic->openNames(), GetParam().after);
}

TEST_P(ModeTest, ApplyDoesWhatThePreviewShowed) {
    click("chkSend");
    click("optECO");
    child<QAction>("mnuPreview")->trigger();
    ASSERT_TRUE(shown("frmPreview"));
    const Names& parts = GetParam().parts;
    Names expected = parts;
    for (const auto& row : rowsOf(child<QTreeWidget>("frmPreview/lstNames"))) {
        if (row[2].empty()) {
            expected[std::find(parts.begin(), parts.end(), row[0]) - parts.begin()] = row[1];
        }
    }
    EXPECT_EQ(expected, GetParam().after);
    Names from;
    Names to;
    for (const auto& rename : child<app::PreviewWindow>("frmPreview")->plan().renames) {
        from.push_back(rename.from);
        to.push_back(rename.to);
    }
    const QString path = folder.filePath("pass.eco");
    dialogs.saveAnswers = {path};
    QTest::mouseClick(child<QPushButton>("frmPreview/cmdApply"), Qt::LeftButton);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(shown("frmPreview"));
    EXPECT_EQ(logic->openNames(), expected);
    EXPECT_EQ(readFile(path), eco::ecoText(from, to));
}

INSTANTIATE_TEST_SUITE_P(Pass, ModeTest,
                         ::testing::Values(Mode{"AllComponents",
                                                {"optStart"},
                                                {"R3", "C9", "R1", "U1A"},
                                                {},
                                                "1",
                                                {"R1", "C1", "R2", "U1A"}},
                                           Mode{"AssignNextFree",
                                                {"optSelected", "optAssign"},
                                                {"R9", "R69", "R88"},
                                                {0, 1},
                                                "88",
                                                {"R70", "R89", "R88"}},
                                           Mode{"RenameDuplicates",
                                                {"optSelected", "optDuplicate"},
                                                {"R9", "R69", "R88"},
                                                {0, 1},
                                                "88",
                                                {"R88", "R89", "R70"}}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(PassTest, ARefusedStartNumberStartsNothing) {
    start({document("amp.sch", {"R5", "R7"})});
    click("optSelected");
    typeStart("1.5");
    const std::uint64_t callsBefore = logic->callCount();
    run();
    child<QAction>("mnuPreview")->trigger();
    EXPECT_FALSE(shown("frmPreview"));
    const ShownMessage refusal{engine::MessageStyle::Exclamation, "Error Message",
                               "Illegal value in Start textbox"};
    EXPECT_EQ(dialogs.messages, (std::vector<ShownMessage>{refusal, refusal}));
    EXPECT_EQ(logic->callCount(), callsBefore);
}

TEST_F(PassTest, ASchematicChangedSincePreviewIsPreviewedAgainNotRenamed) {
    start({document("amp.sch", {"R5", "R7", "R9"}, {0, 2})});
    click("optSelected");
    typeStart("20");
    child<QAction>("mnuPreview")->trigger();
    EXPECT_EQ(rowsOf(child<QTreeWidget>("frmPreview/lstNames")),
              (Rows{{"R5", "R20", ""}, {"R9", "R21", ""}, {"R7", "R7", "not selected"}}));
    logic->selectOnly({0, 1, 2});
    QTest::mouseClick(child<QPushButton>("frmPreview/cmdApply"), Qt::LeftButton);
    EXPECT_EQ(logic->openNames(), (Names{"R5", "R7", "R9"}));
    EXPECT_TRUE(shown("frmPreview"));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(rowsOf(child<QTreeWidget>("frmPreview/lstNames")),
              (Rows{{"R5", "R20", ""}, {"R7", "R21", ""}, {"R9", "R22", ""}}));
    QTest::mouseClick(child<QPushButton>("frmPreview/cmdApply"), Qt::LeftButton);
    EXPECT_EQ(logic->openNames(), (Names{"R20", "R21", "R22"}));
}

// A pass keeps the event loop until it ends, so the bar must paint itself as it steps.
TEST_F(PassTest, ProgressBarPaintsItselfDuringThePass) {
    Names parts;
    for (int i = 1; i <= 20; ++i) {
        parts.push_back("R" + std::to_string(i));
    }
    start({document("amp.sch", parts)});
    click("optStart");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    struct PaintCounter : QObject {
        bool eventFilter(QObject*, QEvent* event) override {
            count += event->type() == QEvent::Paint;
            return false;
        }
        int count = 0;
    } paints;
    child("prgbarEdistys")->installEventFilter(&paints);
    int atBegin = -1;
    int atEnd = -1;
    logic->setCallObserver([&](const std::string& call) {
        if (call == "LogicApplication.BeginPass") {
            atBegin = paints.count;
        } else if (call == "LogicApplication.EndPass") {
            atEnd = paints.count;
        }
    });
    run();
    logic->setCallObserver({});
    EXPECT_GE(atEnd - atBegin, 10);
}

// The report opens by itself only when a name could not be numbered, and always tells of the
// last pass alone: its renames, the names kept and why, and a pass that stopped.
TEST_F(PassTest, ReportTellsOfTheLastPass) {
    start({document("amp.sch", {"R1", "R5", "U1A", "C2"})});
    EXPECT_FALSE(shown("frmNotChanged"));
    click("optStart");
    run();
    EXPECT_TRUE(shown("frmNotChanged"));
    EXPECT_EQ(reportRows(), (Rows{{"R5", "R2", ""},
                                  {"C2", "C1", ""},
                                  {"R1", "R1", "already has its name"},
                                  {"U1A", "U1A", "ends in a letter"}}));
    EXPECT_EQ(reportText(), "U1A\n");
    EXPECT_TRUE(summary().contains("2 components got a new name; 2 kept their names."));
    EXPECT_TRUE(summary().contains("ECO file: not written"));

    QTest::mouseClick(child<QPushButton>("frmNotChanged/cmdClose"), Qt::LeftButton);
    EXPECT_FALSE(shown("frmNotChanged"));
    run();
    EXPECT_TRUE(shown("frmNotChanged"));
    EXPECT_EQ(reportText(), "U1A\n");
    EXPECT_TRUE(summary().contains("0 components got a new name")) << summary().toStdString();

    click("chkSend");
    click("optECO");
    typeStart("5");
    run(); // the save dialog is cancelled, and the renames undone
    EXPECT_TRUE(summary().contains("The pass stopped: No ECO file was written"));
    EXPECT_TRUE(reportRows().empty());
    EXPECT_EQ(reportText(), "");
}

// Cancel in the save dialog writes nothing and asks: the default undoes the renames and says
// so; keeping them is the user's choice.
TEST_F(PassTest, CancelWritesNothingAndAsksWhetherToKeepTheRenames) {
    start({document("amp.sch", {"R5", "R7"})});
    click("optStart");
    click("chkSend");
    click("optECO");
    for (bool keep : {false, true}) {
        dialogs.keepOnCancel = keep;
        dialogs.messages.clear();
        run();
        EXPECT_TRUE(QDir(folder.path()).isEmpty());
        EXPECT_EQ(logic->openNames(), (keep ? Names{"R1", "R2"} : Names{"R5", "R7"}));
        EXPECT_EQ(dialogs.messages.size(), keep ? 0u : 1u);
    }
    EXPECT_EQ(dialogs.cancelQuestions, 2);
}

// Write and force read renames the layout too; Write only writes where the user chose, as
// typed; the report tells where the file went.
TEST_F(PassTest, EcoFileIsReadByPowerPcbOrWrittenWhereChosen) {
    start({document("amp.sch", {"R5", "C9", "R7"})});
    click("optStart");
    click("chkSend");
    run();
    EXPECT_TRUE(dialogs.filters.empty());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(logic->openNames(), (Names{"R1", "C1", "R2"}));
    EXPECT_EQ(pcb->layout()->parts, logic->openNames());
    EXPECT_TRUE(pcb->log().empty());
    EXPECT_FALSE(shown("frmNotChanged")); // every name numbered: nothing to show
    child<QAction>("mnuReport")->trigger();
    EXPECT_TRUE(shown("frmNotChanged"));
    EXPECT_TRUE(summary().contains("ECO file: read by the layout open in PowerPCB"));

    click("optECO");
    typeStart("3");
    const QString path = folder.filePath("renames");
    dialogs.saveAnswers = {path};
    run();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"renames"});
    EXPECT_EQ(readFile(path), eco::ecoText({"R1", "C1", "R2"}, {"R3", "C3", "R4"}));
    EXPECT_TRUE(summary().contains("ECO file: " + path)) << summary().toStdString();
}

TEST_F(PassTest, CopyAndCsvTakeTheRowsTheFilterShows) {
    start({document("amp.sch", {"R1", "R5", "U1A", "C2"})});
    click("optStart");
    run();
    auto* filter = child<QLineEdit>("frmNotChanged/txtFilter");
    QTest::keyClicks(filter, "r");
    QTest::mouseClick(child<QPushButton>("frmNotChanged/cmdCopy"), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(),
              "Old name\tNew name\tNote\nR5\tR2\t\nR1\tR1\talready has its name\n");

    filter->clear();
    const QString path = folder.filePath("renames.csv");
    dialogs.saveAnswers = {path};
    QTest::mouseClick(child<QPushButton>("frmNotChanged/cmdSaveCsv"), Qt::LeftButton);
    EXPECT_EQ(dialogs.filters, std::vector<QString>{"CSV files (*.csv)"});
    EXPECT_EQ(readFile(path), "Old name,New name,Note\r\nR5,R2,\r\nC2,C1,\r\n"
                              "R1,R1,already has its name\r\nU1A,U1A,ends in a letter\r\n");
}

// A pass that stops is reported; the window stays usable for the next one.
TEST_F(PassTest, WindowStaysUsableAfterAPassThatStopped) {
    start({document("amp.sch", {"R5", "R7"})});
    click("optStart");
    logic->failCall(6, host::HostCode::ServerUnavailable);
    run();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages.front().style, engine::MessageStyle::Critical);
    EXPECT_EQ(logic->openNames(), (Names{"R5", "R7"}));
    run();
    EXPECT_EQ(logic->openNames(), (Names{"R1", "R2"}));
}

} // namespace
} // namespace sequate::testing
