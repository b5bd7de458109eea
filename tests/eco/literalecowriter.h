#pragma once

// The ECO writer as first built: fixed tables of 10001 names, three scanning passes that note
// section breaks, a sort and the write loop. Kept as the reference that the fast writer must
// match byte for byte.

#include <string>
#include <vector>

namespace sequate::eco::test {

// Throws std::out_of_range where the fixed tables overflow, as the original did.
std::string literalEcoText(const std::vector<std::string>& oldNames,
                           const std::vector<std::string>& newNames);

} // namespace sequate::eco::test
