// PowerPCB's reading of ECO files, as the simulated PowerPCB does it: what a file makes of the
// layout's part names, and what it logs.

#include "host/sim/ecoreader.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace sequate::host::sim {
namespace {

std::vector<std::string> split(const std::string& text, char separator = '|') {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(separator, from)) != std::string::npos; from = at + 1)
        parts.push_back(text.substr(from, at - from));
    if (!text.empty())
        parts.push_back(text.substr(from));
    return parts;
}

// The lines of a file, ended with CR LF as Sequate ends them; "@" stands for the four lines
// that open Sequate's blocks, so that their renames start on line 5.
std::string file(const std::string& lines) {
    std::string text;
    for (const std::string& line : split(lines))
        text += line == "@" ? "*PADS-ECO-V3.0-MILS*\r\n\r\n*RENPART*\r\n*REMARK*  AUTOSEQUATE\r\n"
                            : line + "\r\n";
    return text;
}

struct Reading {
    const char* label;
    std::string text;
    const char* before; // the layout's names
    const char* after;  // empty: the file is refused and the layout left as it was
    const char* log;    // lines joined by '|', without the last line of a refused file
};

const char* const layout = "R1 R2 R3 C1 C1";

const Reading readings[] = {
    {"a swap in one list is one renaming", file("@|R1 R2|R2 R1|*END*"), "R1 C1 R2", "R2 C1 R1", ""},
    {"a chain runs across blocks", file("@|R5 R1|*END*|@|R1 R2|*END*"), "R5", "R2", ""},
    {"LF line ends", "*PADS-ECO*\n*RENPART*\nR1 R2\n*END*\n", "R1", "R2", ""},
    {"remarks, blank lines and spacing are ignored",
     file("*PADS-ECO*|*REMARK* first|*RENPART*|  R1\t R2  ||*REMARK* inside|R2 R1|*END*"), "R1 R2",
     "R2 R1", ""},
    {"names are ISO 8859-1", file("@|R1 R\xC4\x31|*END*"), "R1", "R\xC3\x84\x31", ""},
    {"an empty list renames nothing quietly", file("@|*END*"), "R1", "R1", ""},
    {"an unknown section is logged and skipped",
     file("*PADS-ECO-V3.0-MILS*|*NET*|GND R1.1|*RENPART*|R1 R2|*END*"), "R1", "R2",
     "amp.eco:2: the section *NET* is not read; skipped"},
    // A list with an error renames nothing, and neither does any other list of the file.
    {"an old name not in the layout", file("@|R1 R7|R8 R9|*END*"), layout, "",
     "amp.eco:6: R8 is not in the layout"},
    {"an old name twice", file("@|R1 R7|R2 R8|R1 R9|*END*"), layout, "",
     "amp.eco:7: R1 is renamed twice in this list (first on line 5)"},
    {"a new name twice", file("@|R1 R7|R2 R7|*END*"), layout, "",
     "amp.eco:6: R7 is given twice in this list (first on line 5)"},
    {"a new name that a part not renamed carries", file("@|R1 R3|*END*"), layout, "",
     "amp.eco:5: R3 is already the name of a part that this list does not rename"},
    {"an old name two parts carry", file("@|C1 C2|*END*"), layout, "",
     "amp.eco:5: C1 is the name of 2 parts in the layout"},
    {"three fields", file("@|R1 R7 R8|*END*"), layout, "",
     "amp.eco:5: expected \"OLD NEW\", found \"R1 R7 R8\""},
    {"an old name the layout refuses, though a part carries it", file("@|R1.A R7|*END*"), "R1.A R2",
     "", "amp.eco:5: \"R1.A\" contains \".\", which the layout does not allow in a part name"},
    {"every problem is logged", file("@|R8 R1|R2 R2|R2 R3|*END*"), layout, "",
     "amp.eco:5: R8 is not in the layout|"
     "amp.eco:5: R1 is already the name of a part that this list does not rename|"
     "amp.eco:7: R2 is renamed twice in this list (first on line 6)|"
     "amp.eco:7: R3 is already the name of a part that this list does not rename"},
    {"a bad second block", file("@|R1 R7|*END*|@|R2 R8|R2|R9 R3|*END*"), "R1 R2 R3", "",
     "amp.eco:12: expected \"OLD NEW\", found \"R2\"|amp.eco:13: R9 is not in the layout|"
     "amp.eco:13: R3 is already the name of a part that this list does not rename"},
    {"a bad second list in one block",
     file("*PADS-ECO*|*RENPART*|R1 R7|*RENPART*|R7 TESTPOINTPAD32000|*END*"), "R1", "",
     "amp.eco:5: \"TESTPOINTPAD32000\" is 17 characters long; the layout takes at most 15"},
    // The layout the lists after a bad one would meet is unknown: they are checked on their own,
    // and R7, which the first list would have given, is not reported.
    {"lists after a bad one", file("@|R1 R7|R2 R7|*END*|@|R7 R8|R8 R9|R8 R1|*END*"), "R1 R2", "",
     "amp.eco:6: R7 is given twice in this list (first on line 5)|"
     "amp.eco:14: R8 is renamed twice in this list (first on line 13)"},
    {"a file that ends inside a list", file("*PADS-ECO*|*RENPART*|R1 R2|R1 R2"), "R1", "",
     "amp.eco:4: the file ends without *END*"},
    // A rename outside a list would be lost, so the file is refused rather than read in part.
    {"text outside a list", file("R1 R2|R3 R4|*PADS-ECO*|R1 R3|*RENPART*|R1 R2|*END*|trailing"),
     "R1", "",
     "amp.eco:1: expected a *PADS-ECO header line, found \"R1 R2\"|"
     "amp.eco:4: \"R1 R3\" is outside any section"},
    {"a header inside a block", file("*PADS-ECO*|*RENPART*|R1 R2|*PADS-ECO*|*RENPART*|R2 R3|*END*"),
     "R1", "", "amp.eco:4: a new header before the *END* of the block of line 1"},
    {"an empty file", "", "R1", "", "amp.eco:1: no *PADS-ECO header line: not an ECO file"},
};

TEST(EcoReader, AppliesAFileWholeOrNotAtAll) {
    for (const Reading& c : readings) {
        SCOPED_TRACE(c.label);
        std::vector<std::string> parts = split(c.before, ' ');
        const EcoReading reading = applyEcoText(c.text, "amp.eco", parts);
        const bool refused = *c.after == '\0';
        EXPECT_EQ(parts, split(refused ? c.before : c.after, ' '));
        auto log = split(c.log);
        if (refused)
            log.push_back("amp.eco: nothing in the file was applied");
        EXPECT_EQ(reading.log, log);
        // The refusal is the first problem; a skipped section is none.
        EXPECT_EQ(reading.refusal, refused ? std::optional(log[0]) : std::nullopt);
    }
}

} // namespace
} // namespace sequate::host::sim
