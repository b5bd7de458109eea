#pragma once

#include "ui/progressdisplay.h"

class QProgressBar;

namespace sequate::app {

// prgbarEdistys as the pass drives it, on a QProgressBar.
class ProgressBarAdapter : public ui::ProgressDisplay {
public:
    explicit ProgressBarAdapter(QProgressBar& bar);

private:
    void draw(int low, int high, int value) override;

    QProgressBar& mBar;
};

} // namespace sequate::app
