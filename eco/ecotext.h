#pragma once

// The PADS ECO text of a pass's renames.

#include <string>
#include <vector>

namespace sequate::eco {

// The whole file, byte for byte: ISO 8859-1, CR LF line ends, a new section before each row
// that renames a part twice, gives a name twice or takes away a name just given. Throws
// EcoError for a name the format cannot carry, or for lists that do not pair up.
std::string ecoText(const std::vector<std::string>& oldNames,
                    const std::vector<std::string>& newNames);

} // namespace sequate::eco
