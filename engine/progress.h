#pragma once

// The progress bar of a pass: its range at the start, one step per processed component, and
// empty again at the end.

#include "formstate.h"
#include "formwindow.h"

#include <cstdint>

namespace sequate::engine {

void AlustaProgressBar(FormState& state, FormWindow& window);
// Selected components of the whole document, whatever the working list holds.
std::int64_t HowManySelected(FormState& state);
// Once the bar is full it stays there.
void stepProgress(ProgressBar& bar);

} // namespace sequate::engine
