#pragma once

// The words of a failure of PowerLogic's: the engine carries its code and PowerLogic's own
// words, and these are the sentences the user reads of them.

#include "host/hostfailure.h"

#include <string>

namespace sequate::ui {

// Why the open schematic cannot be reached, in the user's terms, with what to do: no document
// open, or PowerLogic gone and not found again.
std::string schematicUnreachable(const host::HostFailure& failure);

} // namespace sequate::ui
