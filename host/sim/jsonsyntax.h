#pragma once

// Where a text stops being JSON, and why, in the words the state file's readers were always told
// ("line 2, column 17: invalid JSON: object is missing after a comma").

#include <optional>
#include <string>

namespace sequate::host::sim {

// Nothing when the text is one JSON value; numbers too large for a double are faults.
std::optional<std::string> jsonSyntaxFault(const std::string& text);

} // namespace sequate::host::sim
