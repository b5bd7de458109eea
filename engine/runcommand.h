#pragma once

// The Run button: checks the start number and starts a pass in the chosen mode.

#include "formstate.h"
#include "formwindow.h"
#include "numberingpass.h"

#include <cstdint>
#include <optional>
#include <string>

namespace sequate::engine {

// True when the start box's text is NOT an acceptable start number. Old program: CheckTextBox.
bool CheckTextBox(const std::string& text);

// The start box's number when it is a whole number from 1 to 32767, blanks around it allowed.
std::optional<std::int16_t> acceptableStart(const std::string& text);

// The button's handler and the firewall of a pass: no exception leaves it.
void cmdRun_Click(FormState& state, FormWindow& window);

// The same, telling what happened: the pass that ran, or nothing when none was started.
std::optional<PassResult> pressRun(FormState& state, FormWindow& window);

} // namespace sequate::engine
