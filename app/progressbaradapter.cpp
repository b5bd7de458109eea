#include "progressbaradapter.h"

#include <QProgressBar>

namespace sequate::app {

ProgressBarAdapter::ProgressBarAdapter(QProgressBar& bar) : mBar(bar) {
    redraw();
}

// QProgressBar::setValue repaints at once whenever the change shows, which is what keeps the
// bar moving while a pass holds the event loop; an empty range comes as 0..1, never 0..0,
// which it would draw as "busy".
void ProgressBarAdapter::draw(int low, int high, int value) {
    mBar.setRange(low, high);
    mBar.setValue(value);
}

} // namespace sequate::app
