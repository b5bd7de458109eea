#pragma once

// The progress bar of a pass: one phase at a time (the read, the renames, the names put back),
// each counted from 0 to its own count of steps, and empty again at the end.

#include "progressbar.h"

namespace sequate::engine {

// The bar counts `steps` steps of this phase from 0.
void startPhase(ProgressBar& bar, ProgressPhase phase, long long steps);

// Once the bar is full it stays there. Throws StoppedByUser when the user asked the pass to
// stop.
void stepProgress(ProgressBar& bar);
// Throws StoppedByUser when the user asked the pass to stop.
void stopIfAsked(const ProgressBar& bar);

} // namespace sequate::engine
