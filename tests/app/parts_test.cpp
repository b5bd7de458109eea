// The window's small parts on their own: the progress bar adapter.

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

} // namespace
} // namespace sequate::testing
