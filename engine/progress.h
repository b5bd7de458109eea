#pragma once

// The progress bar of a pass: one step per component read, then one per rename made, and
// empty again at the end.

#include "progressbar.h"

namespace sequate::engine {

// Once the bar is full it stays there.
void stepProgress(ProgressBar& bar);

} // namespace sequate::engine
