#pragma once

// PowerPCB's reading of a PADS ECO file, as the simulated PowerPCB does it.

#include <string>
#include <vector>

namespace sequate::host::sim {

// Reads the text of an ECO file and applies each *RENPART* list to parts, one list at a time.
// Returns the log: one line per problem, "<fileName>:<line>: <reason>"; empty when all was
// read and applied.
std::vector<std::string> applyEcoText(const std::string& text, const std::string& fileName,
                                      std::vector<std::string>& parts);

} // namespace sequate::host::sim
