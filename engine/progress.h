#pragma once

// The progress of a pass: one phase at a time (the read, the renames, the names put back),
// each counted from 0 to its own count of steps by the engine itself, told to the observer,
// which also hears the end; and the user's request to stop, asked between the steps.

#include "progressobserver.h"

namespace sequate::engine {

// Where a pass's progress goes and where it hears whether the user asked it to stop.
struct ProgressPort {
    ProgressObserver& observer;
    const StopToken& stop;
};

// One phase's count of steps. Made at the phase's start, which it reports (0 of its steps).
class PhaseProgress {
public:
    PhaseProgress(const ProgressPort& port, ProgressPhase phase, long long steps);

    // One step more, reported; once the count is full it stays there, unreported. Throws
    // StoppedByUser when the user asked the pass to stop.
    void step();
    // One step more without asking for a stop: putting names back is not stopped.
    void count();

private:
    // A copy: the port is two references, and a phase often outlives the port it was given.
    ProgressPort mPort;
    ProgressPhase mPhase;
    long long mSteps;
    long long mDone = 0;
};

// Throws StoppedByUser when the user asked the pass to stop.
void stopIfAsked(const ProgressPort& port);

} // namespace sequate::engine
