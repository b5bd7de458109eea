#pragma once

// The pass's progress on the common controls' progress bar. Old program: prgbarEdistys.

#include "engine/progressbar.h"

#include <windows.h>

namespace sequate::win {

class NativeProgressBar : public engine::ProgressBar {
public:
    explicit NativeProgressBar(HWND bar) : mBar(bar) { show(); }

    long long minimum() const override { return mMinimum; }
    long long maximum() const override { return mMaximum; }
    long long value() const override { return mValue; }
    void setMinimum(long long value) override;
    void setMaximum(long long value) override;
    void setValue(long long value) override;

private:
    void show();

    HWND mBar;
    long long mMinimum = 0;
    long long mMaximum = 100;
    long long mValue = 0;
};

} // namespace sequate::win
