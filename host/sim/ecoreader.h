#pragma once

// PowerPCB's reading of a PADS ECO file, as the simulated PowerPCB does it.
//
// The file is ISO 8859-1 text with CR LF or LF line ends: one or more blocks, each opened by a
// header line beginning "*PADS-ECO" and closed by "*END*". Inside a block, "*REMARK*" lines are
// comments and "*RENPART*" opens a list of "OLD NEW" lines (blank-separated); any other line
// beginning with "*" opens a section this reader does not know, which is logged and skipped.
//
// Each *RENPART* list is checked as a whole once it is read, and applied at once, as one
// renaming: every old name must be the name of exactly one part of the layout and occur once in
// the list, every new name must occur once, and afterwards no two parts may share a name. A
// list with any error renames nothing; the next list is still read. A list that the file's end
// cuts off, with no keyword after it, renames nothing either.

#include <string>
#include <vector>

namespace sequate::host::sim {

// Reads the text of an ECO file and applies each *RENPART* list to parts (UTF-8 names), one
// list at a time. Returns the log: one line per problem, "<fileName>:<line>: <reason>"; empty
// when all was read and applied.
std::vector<std::string> applyEcoText(const std::string& text, const std::string& fileName,
                                      std::vector<std::string>& parts);

} // namespace sequate::host::sim
