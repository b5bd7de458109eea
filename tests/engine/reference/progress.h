#pragma once

// The progress bar of a pass: its range at the start, one step per processed component, and
// empty again at the end.

#include "engine/formstate.h"
#include "engine/formwindow.h"
#include "engine/progress.h"

#include <cstdint>

namespace sequate::engine::reference {

void AlustaProgressBar(FormState& state, FormWindow& window);
// Selected components of the whole document, whatever the working list holds.
std::int64_t HowManySelected(FormState& state);

} // namespace sequate::engine::reference
