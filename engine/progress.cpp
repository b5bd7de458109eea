#include "progress.h"

#include "passstop.h"

namespace sequate::engine {

PhaseProgress::PhaseProgress(const ProgressPort& port, ProgressPhase phase, long long steps)
    : mPort(port), mPhase(phase), mSteps(steps) {
    mPort.observer.progressed(mPhase, 0, mSteps);
}

void PhaseProgress::step() {
    count();
    stopIfAsked(mPort);
}

void PhaseProgress::count() {
    if (mDone < mSteps)
        mPort.observer.progressed(mPhase, ++mDone, mSteps);
}

void stopIfAsked(const ProgressPort& port) {
    if (port.stop.stopRequested())
        throw StoppedByUser("You stopped the pass.");
}

} // namespace sequate::engine
