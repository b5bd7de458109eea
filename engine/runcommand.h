#pragma once

// The Run button: checks the start number and starts a pass in the chosen mode.

#include "formwindow.h"
#include "hostsession.h"
#include "numberingpass.h"

#include <cstdint>
#include <optional>
#include <string>

namespace sequate::engine {

// The start box's number when it is a whole number from 1 to 32767, blanks around it allowed.
// Old program: CheckTextBox, which answered true when the text was NOT acceptable.
std::optional<std::int16_t> acceptableStart(const std::string& text);

// The Run button's handler (old program: cmdRun_Click) and the firewall of a pass: no
// exception leaves it. The pass that ran, or nothing when none was started.
std::optional<PassResult> pressRun(HostSession& state, FormWindow& window);

} // namespace sequate::engine
