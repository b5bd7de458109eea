#pragma once

#include "ui/progressdisplay.h"

#include <windows.h>

namespace sequate::win {

// prgbarEdistys as the pass drives it, on the common controls' progress bar.
class NativeProgressBar : public ui::ProgressDisplay {
public:
    explicit NativeProgressBar(HWND bar) : mBar(bar) { redraw(); }

private:
    void draw(int low, int high, int value) override;

    HWND mBar;
};

} // namespace sequate::win
