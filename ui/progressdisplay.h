#pragma once

// The progress bar as a pass drives it, for a view whose bar takes whole numbers in a range it
// can draw. Keeps the numbers itself, so that any range the pass sets is accepted: a maximum at
// or below the minimum (a working list of one component, or none) is drawn as an empty bar.

#include "engine/progressbar.h"

namespace sequate::ui {

class ProgressDisplay : public engine::ProgressBar {
public:
    long long minimum() const override { return mMinimum; }
    long long maximum() const override { return mMaximum; }
    long long value() const override { return mValue; }
    void setMinimum(long long value) override;
    void setMaximum(long long value) override;
    void setValue(long long value) override;

protected:
    // The view's bar shows value in low..high (low below high); it repaints at once, because a
    // pass does not return to the event loop until it ends.
    virtual void draw(int low, int high, int value) = 0;
    // What the numbers now are, as the bar can draw them.
    void redraw();

private:
    long long mMinimum = 0;
    long long mMaximum = 100;
    long long mValue = 0;
};

} // namespace sequate::ui
