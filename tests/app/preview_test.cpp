// Pass > Preview and the report of the last pass: the preview shows the plan that Apply then
// carries out, and the report window tells about the last pass only.

#include "app/previewwindow.h"
#include "eco/ecotext.h"
#include "windowfixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace sequate::testing {
namespace {

using Rows = std::vector<std::vector<std::string>>; // old name, new name, note

Rows rowsOf(QTreeWidget* list) {
    Rows rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->isHidden()) {
            continue;
        }
        rows.push_back({});
        for (int column = 0; column < 3; ++column) {
            rows.back().push_back(list->topLevelItem(i)->text(column).toStdString());
        }
    }
    return rows;
}

std::string readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "(no file)";
}

struct Mode {
    const char* what;
    std::vector<const char*> clicks;
    std::vector<std::string> parts;
    std::vector<std::size_t> selected;
    std::string start;
    std::vector<std::string> after;
};

void PrintTo(const Mode& c, std::ostream* out) {
    *out << c.what;
}

class PreviewTest : public WindowTest, public ::testing::WithParamInterface<Mode> {
protected:
    void startWith(const Mode& mode) {
        ASSERT_TRUE(folder.isValid());
        start({document("amp.sch", mode.parts, mode.selected)});
        for (const char* option : mode.clicks) {
            click(option);
        }
        typeStart(QString::fromStdString(mode.start));
        click("chkSend");
        click("optECO");
    }
    app::PreviewWindow& preview() { return *child<app::PreviewWindow>("frmPreview"); }
    void openPreview() { child<QAction>("mnuPass/mnuPreview")->trigger(); }
    void apply() { QTest::mouseClick(child<QPushButton>("frmPreview/cmdApply"), Qt::LeftButton); }

    QTemporaryDir folder;
};

TEST_P(PreviewTest, ApplyDoesWhatThePreviewShowed) {
    startWith(GetParam());
    openPreview();
    ASSERT_TRUE(preview().isVisible());
    const engine::PassPlan shown = preview().plan();
    const std::vector<std::string>& parts = GetParam().parts;
    std::vector<std::string> expected = parts;
    for (const auto& row : rowsOf(child<QTreeWidget>("frmPreview/lstNames"))) {
        if (row[2].empty()) {
            expected[std::find(parts.begin(), parts.end(), row[0]) - parts.begin()] = row[1];
        }
    }
    EXPECT_EQ(expected, GetParam().after);
    std::vector<std::string> from;
    std::vector<std::string> to;
    for (const auto& rename : shown.renames) {
        from.push_back(rename.from);
        to.push_back(rename.to);
    }

    const QString path = folder.filePath("pass.eco");
    dialogs.saveAnswers = {path};
    apply();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(preview().isVisible());
    EXPECT_EQ(hosts->logic.openNames(), expected);
    EXPECT_EQ(readFile(path), eco::ecoText(from, to));
}

INSTANTIATE_TEST_SUITE_P(Pass, PreviewTest,
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

TEST_F(PreviewTest, ASchematicChangedSincePreviewIsPreviewedAgainNotRenamed) {
    startWith({"", {"optSelected", "optAssign"}, {"R5", "R7", "R9"}, {0, 2}, "20", {}});
    openPreview();
    const Rows before = rowsOf(child<QTreeWidget>("frmPreview/lstNames"));
    hosts->logic.selectOnly({0, 1, 2});
    apply();
    EXPECT_EQ(hosts->logic.openNames(), (std::vector<std::string>{"R5", "R7", "R9"}));
    EXPECT_TRUE(preview().isVisible());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(dialogs.filters.empty());
    EXPECT_EQ(before, (Rows{{"R5", "R20", ""}, {"R9", "R21", ""}, {"R7", "R7", "not selected"}}));
    EXPECT_EQ(rowsOf(child<QTreeWidget>("frmPreview/lstNames")),
              (Rows{{"R5", "R20", ""}, {"R7", "R21", ""}, {"R9", "R22", ""}}));
    dialogs.keepOnCancel = true;
    apply();
    EXPECT_EQ(hosts->logic.openNames(), (std::vector<std::string>{"R20", "R21", "R22"}));
}

TEST_F(PreviewTest, RefusesTheStartNumberAsRunDoes) {
    startWith({"", {"optStart"}, {"R5"}, {}, "0", {}});
    openPreview();
    EXPECT_FALSE(preview().isVisible());
    const ShownMessage refusal{engine::MessageStyle::Exclamation, "Error Message", "Illegal Value"};
    EXPECT_EQ(dialogs.messages, std::vector<ShownMessage>{refusal});
}

struct Reported {
    const char* what;
    std::vector<const char*> clicks;
    std::vector<std::string> parts;
    std::vector<std::size_t> selected;
    std::string outcome;
    Rows rows;
};

void PrintTo(const Reported& c, std::ostream* out) {
    *out << c.what;
}

class ReportTest : public WindowTest, public ::testing::WithParamInterface<Reported> {
protected:
    Rows reportRows() { return rowsOf(child<QTreeWidget>("frmNotChanged/lstNames")); }
    std::string summary() {
        return child<QLabel>("frmNotChanged/lblSummary")->text().toStdString();
    }
};

TEST_P(ReportTest, TellsTheRenamesAndWhyNamesWereKept) {
    start({document("amp.sch", GetParam().parts, GetParam().selected)});
    for (const char* option : GetParam().clicks) {
        click(option);
    }
    typeStart("1");
    run();
    EXPECT_EQ(reportRows(), GetParam().rows);
    EXPECT_NE(summary().find(GetParam().outcome), std::string::npos) << summary();
    EXPECT_NE(summary().find("ECO file: not written"), std::string::npos) << summary();
}

INSTANTIATE_TEST_SUITE_P(
    Pass, ReportTest,
    ::testing::Values(Reported{"AllComponents",
                               {"optStart"},
                               {"R1", "R5", "U1A", "C2"},
                               {},
                               "2 components got a new name; 2 kept their names.",
                               {{"R5", "R2", ""},
                                {"C2", "C1", ""},
                                {"R1", "R1", "already has its name"},
                                {"U1A", "U1A", "ends in a letter"}}},
                      Reported{"SelectedComponents",
                               {"optSelected"},
                               {"R5", "R7", "R9"},
                               {0, 2},
                               "2 components got a new name; 1 kept their names.",
                               {{"R5", "R1", ""}, {"R9", "R2", ""}, {"R7", "R7", "not selected"}}}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(ReportTest, ASecondPassReplacesTheFirstsReport) {
    start({document("amp.sch", {"R5", "U1A", "C2", "R"})});
    click("optStart");
    run();
    EXPECT_TRUE(child("frmNotChanged")->isVisible());
    run();
    EXPECT_EQ(child<QPlainTextEdit>("frmNotChanged/txtNotChanged")->toPlainText(), "U1A\nR\n");
    EXPECT_EQ(reportRows(), (Rows{{"R1", "R1", "already has its name"},
                                  {"U1A", "U1A", "ends in a letter"},
                                  {"C1", "C1", "already has its name"},
                                  {"R", "R", "ends in a letter"}}));
    EXPECT_NE(summary().find("0 components got a new name"), std::string::npos) << summary();
}

TEST_F(ReportTest, AStoppedPassReplacesTheReportWithWhyItStopped) {
    start({document("amp.sch", {"R5", "U1A"})});
    click("optStart");
    run();
    click("chkSend");
    click("optECO");
    run(); // the save dialog is cancelled, and the renames undone
    EXPECT_NE(summary().find("The pass stopped: No ECO file was written"), std::string::npos)
        << summary();
    EXPECT_TRUE(reportRows().empty());
    EXPECT_EQ(child<QPlainTextEdit>("frmNotChanged/txtNotChanged")->toPlainText(), "");
}

TEST_F(ReportTest, ReportTellsWhereTheEcoFileWent) {
    QTemporaryDir folder;
    start({document("amp.sch", {"R5", "C2"})});
    click("optStart");
    click("chkSend");
    run();
    EXPECT_FALSE(child("frmNotChanged")->isVisible()); // every name numbered: nothing to show
    child<QAction>("mnuPass/mnuReport")->trigger();
    EXPECT_TRUE(child("frmNotChanged")->isVisible());
    EXPECT_NE(summary().find("ECO file: read by the layout open in PowerPCB"), std::string::npos);

    click("optECO");
    const QString path = folder.filePath("renames.eco");
    dialogs.saveAnswers = {path};
    run();
    EXPECT_NE(summary().find("ECO file: " + path.toStdString()), std::string::npos);
}

TEST_F(ReportTest, CopyAndCsvTakeTheRowsTheFilterShows) {
    QTemporaryDir folder;
    start({document("amp.sch", {"R1", "R5", "U1A", "C2"})});
    click("optStart");
    run();
    auto* filter = child<QLineEdit>("frmNotChanged/txtFilter");
    QTest::keyClicks(filter, "r");
    QTest::mouseClick(child<QPushButton>("frmNotChanged/cmdCopy"), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              "Old name\tNew name\tNote\nR5\tR2\t\nR1\tR1\talready has its name\n");

    filter->clear();
    const QString path = folder.filePath("renames.csv");
    dialogs.saveAnswers = {path};
    QTest::mouseClick(child<QPushButton>("frmNotChanged/cmdSaveCsv"), Qt::LeftButton);
    EXPECT_EQ(dialogs.filters, std::vector<QString>{"CSV files (*.csv)"});
    EXPECT_EQ(readFile(path), "Old name,New name,Note\r\nR5,R2,\r\nC2,C1,\r\n"
                              "R1,R1,already has its name\r\nU1A,U1A,ends in a letter\r\n");
}

} // namespace
} // namespace sequate::testing
