#include "progressdisplay.h"

#include <algorithm>
#include <limits>

namespace sequate::ui {

namespace {

int toInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

} // namespace

void ProgressDisplay::setMinimum(long long value) {
    mMinimum = value;
    redraw();
}

void ProgressDisplay::setMaximum(long long value) {
    mMaximum = value;
    redraw();
}

void ProgressDisplay::setValue(long long value) {
    mValue = value;
    redraw();
}

void ProgressDisplay::redraw() {
    if (mMaximum <= mMinimum) {
        draw(0, 1, 0);
        return;
    }
    const int low = toInt(mMinimum);
    const int high = toInt(mMaximum);
    draw(low, high, std::clamp(toInt(mValue), low, high));
}

} // namespace sequate::ui
