#include "host/sim/ecoreader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace sequate::host::sim {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Lines joined with CR LF, as Sequate writes them.
std::string crlf(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    return text;
}

std::vector<std::string> block(const std::vector<std::string>& renames) {
    std::vector<std::string> lines = {"*PADS-ECO-V3.0-MILS*", "", "*RENPART*",
                                      "*REMARK*  AUTOSEQUATE"};
    lines.insert(lines.end(), renames.begin(), renames.end());
    lines.push_back("*END*");
    return lines;
}

struct Applied {
    std::vector<std::string> parts;
    std::vector<std::string> log;
};

Applied readInto(const std::string& text, std::vector<std::string> parts) {
    auto log = applyEcoText(text, "amp.eco", parts);
    return {parts, log};
}

TEST(EcoReader, ASwapInOneListIsOneRenaming) {
    const auto r = readInto(crlf(block({"R1 R2", "R2 R1"})), {"R1", "C1", "R2"});
    EXPECT_THAT(r.parts, ElementsAre("R2", "C1", "R1"));
    EXPECT_THAT(r.log, IsEmpty());
}

TEST(EcoReader, AChainRunsAcrossBlocksInOrder) {
    auto lines = block({"R5 R1"});
    lines.push_back("");
    for (const auto& line : block({"R1 R2"}))
        lines.push_back(line);
    const auto r = readInto(crlf(lines), {"R5"});
    EXPECT_THAT(r.parts, ElementsAre("R2"));
    EXPECT_THAT(r.log, IsEmpty());
}

TEST(EcoReader, ABadLineVoidsItsListOnly) {
    auto lines = block({"R1 R7", "R2", "R3 R8"});
    for (const auto& line : block({"R4 R9"}))
        lines.push_back(line);
    const auto r = readInto(crlf(lines), {"R1", "R2", "R3", "R4"});
    EXPECT_THAT(r.parts, ElementsAre("R1", "R2", "R3", "R9"));
    EXPECT_THAT(r.log, ElementsAre("amp.eco:6: expected \"OLD NEW\", found \"R2\"; the *RENPART* "
                                   "list of line 3 renames nothing"));
}

struct ListCase {
    const char* label;
    std::vector<std::string> renames; // on lines 5, 6, ...
    std::vector<std::string> log;

    friend void PrintTo(const ListCase& c, std::ostream* out) { *out << c.label; }
};

class EcoReaderList : public ::testing::TestWithParam<ListCase> {};

TEST_P(EcoReaderList, AListWithAnErrorRenamesNothing) {
    const std::vector<std::string> layout = {"R1", "R2", "R3", "C1", "C1"};
    const auto r = readInto(crlf(block(GetParam().renames)), layout);
    EXPECT_EQ(r.parts, layout);
    EXPECT_EQ(r.log, GetParam().log);
}

const char* const voided = "; the *RENPART* list of line 3 renames nothing";

INSTANTIATE_TEST_SUITE_P(
    Rules, EcoReaderList,
    ::testing::Values(
        ListCase{"OldNameNotInLayout",
                 {"R1 R7", "R8 R9"},
                 {std::string("amp.eco:6: R8 is not in the layout") + voided}},
        ListCase{"OldNameTwice",
                 {"R1 R7", "R2 R8", "R1 R9"},
                 {std::string("amp.eco:7: R1 is renamed twice in this list (first on line 5)") +
                  voided}},
        ListCase{
            "NewNameTwice",
            {"R1 R7", "R2 R7"},
            {std::string("amp.eco:6: R7 is given twice in this list (first on line 5)") + voided}},
        ListCase{"NewNameTakenByAPartNotRenamed",
                 {"R1 R3"},
                 {std::string("amp.eco:5: R3 is already the name of a part that this list does "
                              "not rename") +
                  voided}},
        ListCase{"OldNameCarriedByTwoParts",
                 {"C1 C2"},
                 {std::string("amp.eco:5: C1 is the name of 2 parts in the layout") + voided}},
        ListCase{"ThreeFields",
                 {"R1 R7 R8"},
                 {std::string("amp.eco:5: expected \"OLD NEW\", found \"R1 R7 R8\"") + voided}},
        ListCase{
            "EveryProblemIsLogged",
            {"R8 R1", "R2 R2", "R2 R3"},
            {std::string("amp.eco:5: R8 is not in the layout") + voided,
             std::string("amp.eco:5: R1 is already the name of a part that this list does "
                         "not rename") +
                 voided,
             std::string("amp.eco:7: R2 is renamed twice in this list (first on line 6)") + voided,
             std::string("amp.eco:7: R3 is already the name of a part that this list does "
                         "not rename") +
                 voided}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(EcoReader, AnUnknownSectionIsLoggedAndSkipped) {
    const std::string text =
        crlf({"*PADS-ECO-V3.0-MILS*", "*NET*", "GND R1.1", "*RENPART*", "R1 R2", "*END*"});
    const auto r = readInto(text, {"R1"});
    EXPECT_THAT(r.parts, ElementsAre("R2"));
    EXPECT_THAT(r.log, ElementsAre("amp.eco:2: the section *NET* is not read; skipped"));
}

class EcoReaderHeader : public ::testing::TestWithParam<const char*> {};

TEST_P(EcoReaderHeader, EveryHeaderSpellingOpensABlock) {
    const auto r = readInto(crlf({GetParam(), "*RENPART*", "R1 R2", "*END*"}), {"R1"});
    EXPECT_THAT(r.parts, ElementsAre("R2"));
    EXPECT_THAT(r.log, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Spellings, EcoReaderHeader,
                         ::testing::Values("*PADS-ECO-V3.0-MILS*", "*PADS-ECO-V3.0*",
                                           "*PADS-ECO*"));

TEST(EcoReader, ReadsLfLineEndsAsWellAsCrLf) {
    const auto r = readInto("*PADS-ECO*\n*RENPART*\nR1 R2\n*END*\n", {"R1"});
    EXPECT_THAT(r.parts, ElementsAre("R2"));
    EXPECT_THAT(r.log, IsEmpty());
}

TEST(EcoReader, RemarksBlankLinesAndSpacingAreIgnored) {
    const auto r = readInto(crlf({"*PADS-ECO*", "*REMARK* first", "*RENPART*", "  R1\t R2  ", "",
                                  "*REMARK* inside", "R2 R1", "*END*"}),
                            {"R1", "R2"});
    EXPECT_THAT(r.parts, ElementsAre("R2", "R1"));
    EXPECT_THAT(r.log, IsEmpty());
}

TEST(EcoReader, NamesAreReadAsIso88591) {
    const auto r = readInto(crlf({"*PADS-ECO*", "*RENPART*",
                                  "R1 R\xC4"
                                  "1",
                                  "*END*"}),
                            {"R1"});
    EXPECT_THAT(r.parts, ElementsAre("R\xC3\x84"
                                     "1"));
}

TEST(EcoReader, AListThatTheFileEndCutsOffRenamesNothing) {
    const auto r = readInto(crlf({"*PADS-ECO*", "*RENPART*", "R1 R2"}), {"R1"});
    EXPECT_THAT(r.parts, ElementsAre("R1"));
    EXPECT_THAT(r.log, ElementsAre("amp.eco:3: the file ends without *END*; the *RENPART* list "
                                   "of line 2 renames nothing"));
}

TEST(EcoReader, TextOutsideABlockIsLoggedOnce) {
    const auto r = readInto(
        crlf({"R1 R2", "R3 R4", "*PADS-ECO*", "*RENPART*", "R1 R2", "*END*", "trailing"}), {"R1"});
    EXPECT_THAT(r.parts, ElementsAre("R2"));
    EXPECT_THAT(r.log, ElementsAre("amp.eco:1: expected a *PADS-ECO header line, found \"R1 R2\""));
}

TEST(EcoReader, AHeaderInsideABlockIsLoggedAndTheListBeforeItApplied) {
    const auto r = readInto(
        crlf({"*PADS-ECO*", "*RENPART*", "R1 R2", "*PADS-ECO*", "*RENPART*", "R2 R3", "*END*"}),
        {"R1"});
    EXPECT_THAT(r.parts, ElementsAre("R3"));
    EXPECT_THAT(r.log,
                ElementsAre("amp.eco:4: a new header before the *END* of the block of line 1"));
}

TEST(EcoReader, AFileWithoutHeaderIsNotAnEcoFile) {
    for (const char* text : {"", "\r\n\r\n"}) {
        const auto r = readInto(text, {"R1"});
        EXPECT_THAT(r.parts, ElementsAre("R1"));
        EXPECT_EQ(r.log.size(), 1u);
        EXPECT_THAT(r.log.at(0),
                    ::testing::EndsWith(": no *PADS-ECO header line: not an ECO file"));
    }
}

TEST(EcoReader, AnEmptyListRenamesNothingQuietly) {
    const auto r = readInto(crlf(block({})), {"R1"});
    EXPECT_THAT(r.parts, ElementsAre("R1"));
    EXPECT_THAT(r.log, IsEmpty());
}

} // namespace
} // namespace sequate::host::sim
