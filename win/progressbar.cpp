#include "progressbar.h"

#include <algorithm>
#include <climits>
#include <commctrl.h>

namespace sequate::win {

namespace {

int toInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

} // namespace

void NativeProgressBar::setMinimum(long long value) {
    mMinimum = value;
    show();
}

void NativeProgressBar::setMaximum(long long value) {
    mMaximum = value;
    show();
}

void NativeProgressBar::setValue(long long value) {
    mValue = value;
    show();
}

// A pass holds the message loop, so the bar is painted at once.
void NativeProgressBar::show() {
    // An empty range (a working list of one component, or none) shows an empty bar.
    const bool empty = mMaximum <= mMinimum;
    const int low = empty ? 0 : toInt(mMinimum);
    const int high = empty ? 1 : toInt(mMaximum);
    ::SendMessageW(mBar, PBM_SETRANGE32, static_cast<WPARAM>(low), static_cast<LPARAM>(high));
    ::SendMessageW(mBar, PBM_SETPOS,
                   static_cast<WPARAM>(empty ? 0 : std::clamp(toInt(mValue), low, high)), 0);
    ::UpdateWindow(mBar);
}

} // namespace sequate::win
