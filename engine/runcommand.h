#pragma once

// The Run button: checks the start number and starts a pass in the chosen mode.

#include "formstate.h"
#include "formwindow.h"

#include <string>

namespace sequate::engine {

// True when the start box's text is NOT an acceptable start number.
bool CheckTextBox(const std::string& text);
void cmdRun_Click(FormState& state, FormWindow& window);

} // namespace sequate::engine
