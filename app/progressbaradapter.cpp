#include "progressbaradapter.h"

#include <QProgressBar>
#include <algorithm>
#include <limits>

namespace sequate::app {

namespace {

int toInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

} // namespace

ProgressBarAdapter::ProgressBarAdapter(QProgressBar& bar) : mBar(bar) {
    show();
}

void ProgressBarAdapter::setMinimum(long long value) {
    mMinimum = value;
    show();
}

void ProgressBarAdapter::setMaximum(long long value) {
    mMaximum = value;
    show();
}

void ProgressBarAdapter::setValue(long long value) {
    mValue = value;
    show();
}

// QProgressBar::setValue repaints at once whenever the change shows, which is what keeps the
// bar moving while a pass holds the event loop.
void ProgressBarAdapter::show() {
    if (mMaximum <= mMinimum) {
        // QProgressBar would draw 0..0 as "busy"; an empty range shows an empty bar instead.
        mBar.setRange(0, 1);
        mBar.setValue(0);
        return;
    }
    const int low = toInt(mMinimum);
    const int high = toInt(mMaximum);
    mBar.setRange(low, high);
    mBar.setValue(std::clamp(toInt(mValue), low, high));
}

} // namespace sequate::app
