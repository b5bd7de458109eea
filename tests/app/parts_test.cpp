// The window's small parts on their own: the progress bar adapter and the file-type filter.

#include "app/filefilter.h"
#include "app/progressbaradapter.h"
#include "qtprint.h"

#include <QProgressBar>
#include <gtest/gtest.h>

namespace sequate::testing {
namespace {

TEST(ProgressBarAdapter, KeepsTheNumbersAndDrawsWhatFits) {
    const struct {
        long long maximum;
        long long value;
        int shownMaximum;
        int shownValue;
    } cases[] = {
        {19, 7, 19, 7}, {0, 0, 1, 0}, // one component: drawn empty, not as "busy"
        {-1, 0, 1, 0},                // no component
        {4, 9, 4, 4},   {5000000000LL, 3, 2147483647, 3},
    };
    for (const auto& c : cases) {
        QProgressBar bar;
        app::ProgressBarAdapter adapter(bar);
        adapter.setMaximum(c.maximum);
        adapter.setValue(c.value);
        EXPECT_EQ(adapter.maximum(), c.maximum);
        EXPECT_EQ(adapter.value(), c.value);
        EXPECT_EQ(bar.minimum(), 0);
        EXPECT_EQ(bar.maximum(), c.shownMaximum) << c.maximum;
        EXPECT_EQ(bar.value(), c.shownValue) << c.maximum;
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
    for (const auto& c : cases) {
        EXPECT_EQ(app::toQtFilter(c.given), c.qt);
    }
}

} // namespace
} // namespace sequate::testing
