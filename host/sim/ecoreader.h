#pragma once

// PowerPCB's reading of a PADS ECO file, as the simulated PowerPCB does it.
//
// The file is ISO 8859-1 text with CR LF or LF line ends: one or more blocks, each opened by a
// header line beginning "*PADS-ECO" and closed by "*END*". Inside a block, "*REMARK*" lines are
// comments and "*RENPART*" opens a list of "OLD NEW" lines (blank-separated); any other line
// beginning with "*" opens a section this reader does not know, which is logged and skipped.
//
// The whole file is read before anything is applied, and all of its *RENPART* lists, across all
// of its blocks, are applied as one change or not at all. Each list is checked as a whole
// against the layout as the lists before it leave it, and applied at once, as one renaming:
// every old name must be the name of exactly one part of the layout and occur once in the list,
// every new name must occur once, and afterwards no two parts may share a name. Every name
// must keep the layout's rules (host/partnamerules.h). Any problem, in a list or in the file's
// structure, leaves the layout as it was.

#include <optional>
#include <string>
#include <vector>

namespace sequate::host::sim {

struct EcoReading {
    // Notes and problems in line order, "<fileName>:<line>: <reason>"; when the file was
    // refused, a last line says that nothing in it was applied.
    std::vector<std::string> log;
    // The first problem, as its log line; none when the file was applied.
    std::optional<std::string> refusal;
};

// Reads the text of an ECO file and applies it to parts (UTF-8 names), whole or not at all.
EcoReading applyEcoText(const std::string& text, const std::string& fileName,
                        std::vector<std::string>& parts);

} // namespace sequate::host::sim
