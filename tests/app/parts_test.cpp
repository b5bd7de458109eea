// The window's small parts on their own: the progress bar adapter and the file-type filter.

#include "app/filefilter.h"
#include "app/progressbaradapter.h"
#include "tests/support/qtprint.h"

#include <QProgressBar>
#include <gtest/gtest.h>

namespace sequate::testing {
namespace {

// What fits is ui::ProgressDisplay's to say; the adapter puts it on the bar.
TEST(ProgressBarAdapter, DrawsOnTheBar) {
    QProgressBar bar;
    app::ProgressBarAdapter adapter(bar);
    adapter.setMaximum(19);
    adapter.setValue(7);
    EXPECT_EQ(std::pair(bar.maximum(), bar.value()), std::pair(19, 7));
    adapter.setMaximum(0);
    EXPECT_EQ(std::pair(bar.maximum(), bar.value()), std::pair(1, 0)); // empty, not "busy"
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
