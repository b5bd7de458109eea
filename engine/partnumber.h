#pragma once

// Numbers of part names are 16-bit: every number the pass forms is checked before it is used.

#include <cstdint>
#include <string>

namespace sequate::engine {

// value when it lies in -32768..32767; otherwise stops the pass, saying that `purpose` (such
// as "the next name for R5") would need that number.
std::int16_t checkedPartNumber(std::int64_t value, const std::string& purpose);

} // namespace sequate::engine
