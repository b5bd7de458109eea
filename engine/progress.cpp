#include "progress.h"

#include "passstop.h"

namespace sequate::engine {

void startPhase(ProgressBar& bar, ProgressPhase phase, long long steps) {
    bar.beginPhase(phase);
    bar.setMinimum(0);
    bar.setMaximum(steps);
    bar.setValue(0);
}

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
