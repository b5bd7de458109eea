// Saving a list as CSV and a plan's ECO file, and the file types of the save dialog. That the
// plan's file is the pass's, byte for byte, is in mainwindowlogic_test.cpp.

#include "fakesavedialog.h"
#include "ui/filefilter.h"

#include <gtest/gtest.h>

namespace sequate::ui {
namespace {

const std::vector<NameRow> rows = {{"R5", "R1", ""}, {"U1A", "U1A", "ends in a letter"}};

TEST(SaveFile, CsvHoldsTheRowsGivenWholeOrNotAtAllAndCancelWritesNothing) {
    const auto folder = emptyFolder("csv");
    FakeSaveDialog dialog;
    saveRowsAsCsv(dialog, rows);
    dialog.answer = "";
    saveRowsAsCsv(dialog, rows);
    EXPECT_TRUE(std::filesystem::is_empty(folder));
    dialog.answer = (folder / "names.csv").string();
    saveRowsAsCsv(dialog, rows);
    EXPECT_EQ(fileBytes(folder / "names.csv"), rowsAsCsv(rows));
    EXPECT_EQ(dialog.asked, std::vector<std::string>(3, "CSV files (*.csv) | "));
    EXPECT_TRUE(dialog.messages.empty());
}

// The message names the file the user chose and why, in the words of a list, not an ECO file.
TEST(SaveFile, AFailedWriteSaysWhereAndWhy) {
    const auto folder = emptyFolder("failed");
    const std::string path = (folder / "gone" / "names.csv").string();
    FakeSaveDialog dialog;
    dialog.answer = path;
    saveRowsAsCsv(dialog, rows);
    ASSERT_EQ(dialog.messages.size(), 1u);
    const std::string& text = dialog.messages[0].text;
    EXPECT_EQ(text.rfind("The list could not be saved in \"" + path + "\": ", 0), 0u) << text;
    EXPECT_EQ(text.find("ECO"), std::string::npos) << text;
    savePlanAsEco(dialog, {{engine::ComponentIndex(0), "R1", "R2"}}, "amp.sch");
    ASSERT_EQ(dialog.messages.size(), 2u);
    EXPECT_EQ(dialog.messages[1].kind, MessageKind::Failure);
    EXPECT_NE(dialog.messages[1].text.find("\"" + path + "\": "), std::string::npos)
        << dialog.messages[1].text;
    // A name the file cannot carry is said before any file is asked for.
    dialog.asked.clear();
    savePlanAsEco(dialog, {{engine::ComponentIndex(0), "R1", "R\t2"}}, "amp.sch");
    EXPECT_TRUE(dialog.asked.empty());
    EXPECT_EQ(dialog.messages.size(), 3u);
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}

TEST(SaveFile, PlanIsOfferedUnderTheSchematicsEcoNameMarkedAsAPlan) {
    const struct {
        const char* schematic;
        const char* offered;
    } cases[] = {{"amp.rev2.sch", "amp-plan.eco"},
                 {"C:\\boards\\psu.sch", "psu-plan.eco"},
                 {"", "untitled-plan.eco"},
                 {"a:b", "a_b-plan.eco"}};
    for (const auto& c : cases)
        EXPECT_EQ(planFileNameFor(c.schematic), c.offered);
    EXPECT_EQ(planFileNameFor(std::string(300, 'x')).size(), 255u);
}

TEST(FileFilter, PairsOrADescriptionHoldingItsPattern) {
    using Types = std::vector<FileType>;
    const struct {
        const char* given;
        Types types;
        const char* shown; // the first, as Qt shows it
    } cases[] = {
        {"ECO files (*.eco) |*.eco|", Types{{"ECO files (*.eco) ", "*.eco"}}, "ECO files (*.eco)"},
        {"ECO files|*.eco", Types{{"ECO files", "*.eco"}}, "ECO files (*.eco)"},
        {"ECO files (*.eco)|*.eco|All files (*.*)|*.*|",
         Types{{"ECO files (*.eco)", "*.eco"}, {"All files (*.*)", "*.*"}}, "ECO files (*.eco)"},
        {"Text|*.txt *.asc |", Types{{"Text", "*.txt *.asc"}}, "Text (*.txt *.asc)"},
        {"CSV files (*.csv)", Types{{"CSV files (*.csv)", "*.csv"}}, "CSV files (*.csv)"},
        {"Lists", Types{{"Lists", "*.*"}}, "Lists (*.*)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fileTypes(c.given), c.types) << c.given;
        EXPECT_EQ(shownFileType(fileTypes(c.given).front()), c.shown);
    }
}

} // namespace
} // namespace sequate::ui
