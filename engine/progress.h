#pragma once

// The progress bar of a pass: one step per component read, then one per rename made, and
// empty again at the end.

#include "progressbar.h"

namespace sequate::engine {

// Once the bar is full it stays there. Throws StoppedByUser when the user asked the pass to
// stop.
void stepProgress(ProgressBar& bar);
// Throws StoppedByUser when the user asked the pass to stop.
void stopIfAsked(const ProgressBar& bar);

} // namespace sequate::engine
