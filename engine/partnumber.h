#pragma once

// Numbers of part names are 16-bit: every number the pass forms is checked before it is used.

#include "formwindow.h"

#include <cstdint>
#include <string>

namespace sequate::engine {

// The start box's text as a number; stops the pass when it is none.
std::int16_t startNumber(const FormWindow& window);

// value when it lies in -32768..32767; otherwise stops the pass, saying that `purpose` (such
// as "the next name for R5") would need that number.
std::int16_t checkedPartNumber(std::int64_t value, const std::string& purpose);

} // namespace sequate::engine
