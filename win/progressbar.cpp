#include "progressbar.h"

#include <commctrl.h>

namespace sequate::win {

// A pass holds the message loop, so the bar is painted at once.
void NativeProgressBar::draw(int low, int high, int value) {
    ::SendMessageW(mBar, PBM_SETRANGE32, static_cast<WPARAM>(low), static_cast<LPARAM>(high));
    ::SendMessageW(mBar, PBM_SETPOS, static_cast<WPARAM>(value), 0);
    ::UpdateWindow(mBar);
}

} // namespace sequate::win
