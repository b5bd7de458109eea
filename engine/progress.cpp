#include "progress.h"

#include "passstop.h"

namespace sequate::engine {

void stepProgress(ProgressBar& bar) {
    if (bar.maximum() != bar.value())
        bar.setValue(bar.value() + 1);
    stopIfAsked(bar);
}

void stopIfAsked(const ProgressBar& bar) {
    if (bar.stopRequested())
        throw StoppedByUser("You stopped the pass.");
}

} // namespace sequate::engine
