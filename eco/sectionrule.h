#pragma once

// Where the ECO file starts a new section. PowerPCB applies a *RENPART* list as one renaming,
// so a list may neither rename a part twice, nor give a name twice, nor take away a name it
// has just given; the writer starts a new section before each row that would.

#include <string>
#include <vector>

namespace sequate::eco {

// For each row, how many section changes stand before it (0 to 3): one for each of
//  (a) its new name is the new name of an earlier row,
//  (b) its old name is the old name of an earlier row,
//  (c) its old name is the new name of an earlier row.
// Both lists have the same length.
std::vector<int> sectionChanges(const std::vector<std::string>& oldNames,
                                const std::vector<std::string>& newNames);

} // namespace sequate::eco
