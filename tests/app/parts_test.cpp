// The window's small parts on their own: the progress bar adapter, the file-type filter and
// the report window's text box.

#include "app/filefilter.h"
#include "app/progressbaradapter.h"
#include "app/reportwindow.h"
#include "getchild.h"
#include "qtprint.h"

#include <QPlainTextEdit>
#include <QProgressBar>
#include <gtest/gtest.h>

namespace sequate::testing {
namespace {

struct Range {
    long long minimum;
    long long maximum;
    long long value;
    int shownMinimum;
    int shownMaximum;
    int shownValue;
};

void PrintTo(const Range& r, std::ostream* out) {
    *out << r.minimum << ".." << r.maximum << " at " << r.value;
}

class ProgressRangeTest : public ::testing::TestWithParam<Range> {};

TEST_P(ProgressRangeTest, KeepsTheNumbersAndDrawsWhatFits) {
    const Range& r = GetParam();
    QProgressBar bar;
    app::ProgressBarAdapter adapter(bar);
    adapter.setMinimum(r.minimum);
    adapter.setMaximum(r.maximum);
    adapter.setValue(r.value);
    EXPECT_EQ(adapter.minimum(), r.minimum);
    EXPECT_EQ(adapter.maximum(), r.maximum);
    EXPECT_EQ(adapter.value(), r.value);
    EXPECT_EQ(bar.minimum(), r.shownMinimum);
    EXPECT_EQ(bar.maximum(), r.shownMaximum);
    EXPECT_EQ(bar.value(), r.shownValue);
}

INSTANTIATE_TEST_SUITE_P(Progress, ProgressRangeTest,
                         ::testing::Values(Range{0, 19, 7, 0, 19, 7}, Range{0, 19, 19, 0, 19, 19},
                                           Range{0, 0, 0, 0, 1,
                                                 0}, // one component: empty, not "busy"
                                           Range{0, -1, 0, 0, 1, 0}, // no component
                                           Range{0, 1, 1, 0, 1, 1}, Range{0, 4, 9, 0, 4, 4},
                                           Range{0, 5000000000LL, 3, 0, 2147483647, 3}));

TEST(ProgressBarAdapter, StartsEmptyAndEmptiesAgain) {
    QProgressBar bar;
    app::ProgressBarAdapter adapter(bar);
    EXPECT_EQ(adapter.value(), 0);
    EXPECT_EQ(bar.value(), 0);
    adapter.setMaximum(3);
    for (int step = 1; step <= 3; ++step) {
        adapter.setValue(step);
        EXPECT_EQ(bar.value(), step);
    }
    adapter.setValue(0);
    EXPECT_EQ(bar.value(), 0);
}

struct Filter {
    const char* given;
    const char* qt;
};

void PrintTo(const Filter& f, std::ostream* out) {
    *out << '"' << f.given << '"';
}

class FileFilterTest : public ::testing::TestWithParam<Filter> {};

TEST_P(FileFilterTest, BecomesQtsForm) {
    EXPECT_EQ(app::toQtFilter(GetParam().given), GetParam().qt);
}

INSTANTIATE_TEST_SUITE_P(Dialog, FileFilterTest,
                         ::testing::Values(Filter{"ECO files (*.eco) |*.eco|", "ECO files (*.eco)"},
                                           Filter{"ECO files (*.eco)|*.eco", "ECO files (*.eco)"},
                                           Filter{"ECO files|*.eco|", "ECO files (*.eco)"},
                                           Filter{"ECO files (*.eco)|*.eco|All files (*.*)|*.*|",
                                                  "ECO files (*.eco);;All files (*.*)"},
                                           Filter{"Text|*.txt *.asc|", "Text (*.txt *.asc)"}));

TEST(ReportWindow, ShowsEachCrLfLineAsOneLineAndKeepsEarlierText) {
    app::ReportWindow report;
    report.appendText("U1A\r\n");
    report.appendText("R\r\nC\r\n");
    auto* box = getChild<QPlainTextEdit>(report, "txtNotChanged");
    EXPECT_EQ(box->toPlainText(), "U1A\nR\nC\n");
    EXPECT_EQ(box->document()->blockCount(), 4); // three names and the empty line after them
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_TRUE(box->font().fixedPitch() || QFontInfo(box->font()).fixedPitch());
}

} // namespace
} // namespace sequate::testing
