// The window's small parts on their own: the progress bar adapter and the file-type filter.

#include "app/filefilter.h"
#include "app/progressbaradapter.h"
#include "qtprint.h"

#include <QProgressBar>
#include <gtest/gtest.h>

namespace sequate::testing {
namespace {

// One component (maximum 0) or none (-1) is drawn empty, not as "busy".
TEST(ProgressBarAdapter, KeepsTheNumbersAndDrawsWhatFits) {
    const struct {
        long long maximum;
        long long value;
        int shownMaximum;
        int shownValue;
    } cases[] = {{19, 7, 19, 7},
                 {0, 0, 1, 0},
                 {-1, 0, 1, 0},
                 {4, 9, 4, 4},
                 {5000000000LL, 3, 2147483647, 3}};
    for (const auto& c : cases) {
        QProgressBar bar;
        app::ProgressBarAdapter adapter(bar);
        adapter.setMaximum(c.maximum);
        adapter.setValue(c.value);
        EXPECT_TRUE(adapter.maximum() == c.maximum && adapter.value() == c.value);
        EXPECT_EQ(std::pair(bar.maximum(), bar.value()), std::pair(c.shownMaximum, c.shownValue))
            << c.maximum;
    }
}

TEST(FileFilter, BecomesQtsForm) {
    const struct {
        const char* given;
        const char* qt;
    } cases[] = {
        {"ECO files (*.eco) |*.eco|", "ECO files (*.eco)"},
        {"ECO files|*.eco", "ECO files (*.eco)"},
        {"ECO files (*.eco)|*.eco|All files (*.*)|*.*|", "ECO files (*.eco);;All files (*.*)"},
        {"Text|*.txt *.asc|", "Text (*.txt *.asc)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(app::toQtFilter(c.given), c.qt);
}

} // namespace
} // namespace sequate::testing
