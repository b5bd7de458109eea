#pragma once

#include "engine/progressbar.h"

class QProgressBar;

namespace sequate::app {

// prgbarEdistys as the pass drives it. Keeps the numbers itself, so that any range the pass
// sets is accepted: a maximum at or below the minimum (a working list of one component, or
// none) is drawn as an empty bar. The bar repaints as it steps, because a pass does not return
// to the event loop until it ends.
class ProgressBarAdapter : public engine::ProgressBar {
public:
    explicit ProgressBarAdapter(QProgressBar& bar);

    long long minimum() const override { return mMinimum; }
    long long maximum() const override { return mMaximum; }
    long long value() const override { return mValue; }
    void setMinimum(long long value) override;
    void setMaximum(long long value) override;
    void setValue(long long value) override;

private:
    void show();

    QProgressBar& mBar;
    long long mMinimum = 0;
    long long mMaximum = 100;
    long long mValue = 0;
};

} // namespace sequate::app
