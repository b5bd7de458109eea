// The progress bar's numbers as a view draws them.

#include "ui/progressdisplay.h"

#include <gtest/gtest.h>
#include <tuple>

namespace sequate::testing {
namespace {

class DrawnProgress : public ui::ProgressDisplay {
public:
    DrawnProgress() { redraw(); }
    std::tuple<int, int, int> drawn;

private:
    void draw(int low, int high, int value) override { drawn = {low, high, value}; }
};

// One component (maximum 0) or none (-1) is drawn empty; what does not fit an int is cut.
TEST(ProgressDisplay, KeepsTheNumbersAndDrawsWhatFits) {
    const struct {
        long long maximum;
        long long value;
        std::tuple<int, int, int> drawn;
    } cases[] = {{19, 7, {0, 19, 7}},
                 {0, 0, {0, 1, 0}},
                 {-1, 0, {0, 1, 0}},
                 {4, 9, {0, 4, 4}},
                 {5000000000LL, 3, {0, 2147483647, 3}}};
    for (const auto& c : cases) {
        DrawnProgress progress;
        progress.setMaximum(c.maximum);
        progress.setValue(c.value);
        EXPECT_TRUE(progress.maximum() == c.maximum && progress.value() == c.value);
        EXPECT_EQ(progress.drawn, c.drawn) << c.maximum;
    }
}

} // namespace
} // namespace sequate::testing
