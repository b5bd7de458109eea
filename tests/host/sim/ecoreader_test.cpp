#include "host/sim/ecoreader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <optional>
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
    EcoReading reading;
};

Applied readInto(const std::string& text, std::vector<std::string> parts) {
    auto reading = applyEcoText(text, "amp.eco", parts);
    return {parts, reading};
}

const char* const nothingApplied = "amp.eco: nothing in the file was applied";

std::vector<std::string> joinedBlocks(const std::vector<std::vector<std::string>>& blocks) {
    std::vector<std::string> lines;
    for (const auto& renames : blocks) {
        const auto next = block(renames);
        lines.insert(lines.end(), next.begin(), next.end());
    }
    return lines;
}

TEST(EcoReader, ASwapInOneListIsOneRenaming) {
    const auto r = readInto(crlf(block({"R1 R2", "R2 R1"})), {"R1", "C1", "R2"});
    EXPECT_THAT(r.parts, ElementsAre("R2", "C1", "R1"));
    EXPECT_THAT(r.reading.log, IsEmpty());
    EXPECT_EQ(r.reading.refusal, std::nullopt);
}

TEST(EcoReader, AChainRunsAcrossBlocksInOrder) {
    auto lines = block({"R5 R1"});
    lines.push_back("");
    for (const auto& line : block({"R1 R2"}))
        lines.push_back(line);
    const auto r = readInto(crlf(lines), {"R5"});
    EXPECT_THAT(r.parts, ElementsAre("R2"));
    EXPECT_THAT(r.reading.log, IsEmpty());
}

TEST(EcoReader, ABadSecondBlockChangesNothingAndTheFirstProblemNamesItsLine) {
    const auto r =
        readInto(crlf(joinedBlocks({{"R1 R7"}, {"R2 R8", "R2", "R9 R3"}})), {"R1", "R2", "R3"});
    EXPECT_THAT(r.parts, ElementsAre("R1", "R2", "R3"));
    EXPECT_EQ(r.reading.refusal, "amp.eco:12: expected \"OLD NEW\", found \"R2\"");
    EXPECT_THAT(r.reading.log, ElementsAre("amp.eco:12: expected \"OLD NEW\", found \"R2\"",
                                           "amp.eco:13: R9 is not in the layout",
                                           "amp.eco:13: R3 is already the name of a part that "
                                           "this list does not rename",
                                           nothingApplied));
}

TEST(EcoReader, ABadSecondListInOneBlockChangesNothing) {
    const auto r = readInto(
        crlf({"*PADS-ECO*", "*RENPART*", "R1 R7", "*RENPART*", "R7 TESTPOINTPAD32000", "*END*"}),
        {"R1"});
    EXPECT_THAT(r.parts, ElementsAre("R1"));
    EXPECT_EQ(r.reading.refusal, "amp.eco:5: \"TESTPOINTPAD32000\" is 17 characters long; the "
                                 "layout takes at most 15");
}

// A list with a problem leaves the layout that the lists after it would meet unknown: they
// are checked on their own, and R7, which the first list would have given, is not reported.
TEST(EcoReader, ListsAfterABadOneAreNotCheckedAgainstTheLayout) {
    const auto r = readInto(crlf(joinedBlocks({{"R1 R7", "R2 R7"}, {"R7 R8", "R8 R9", "R8 R1"}})),
                            {"R1", "R2"});
    EXPECT_THAT(r.parts, ElementsAre("R1", "R2"));
    EXPECT_THAT(r.reading.log,
                ElementsAre("amp.eco:6: R7 is given twice in this list (first on line 5)",
                            "amp.eco:14: R8 is renamed twice in this list (first on line 13)",
                            nothingApplied));
}

struct ListCase {
    const char* label;
    std::vector<std::string> renames; // on lines 5, 6, ...
    std::vector<std::string> problems;

    friend void PrintTo(const ListCase& c, std::ostream* out) { *out << c.label; }
};

class EcoReaderList : public ::testing::TestWithParam<ListCase> {};

TEST_P(EcoReaderList, AListWithAnErrorRenamesNothing) {
    const std::vector<std::string> layout = {"R1", "R2", "R3", "C1", "C1"};
    const auto r = readInto(crlf(block(GetParam().renames)), layout);
    EXPECT_EQ(r.parts, layout);
    auto log = GetParam().problems;
    log.push_back(nothingApplied);
    EXPECT_EQ(r.reading.log, log);
    EXPECT_EQ(r.reading.refusal, GetParam().problems.front());
}

INSTANTIATE_TEST_SUITE_P(
    Rules, EcoReaderList,
    ::testing::Values(
        ListCase{"OldNameNotInLayout", {"R1 R7", "R8 R9"}, {"amp.eco:6: R8 is not in the layout"}},
        ListCase{"OldNameTwice",
                 {"R1 R7", "R2 R8", "R1 R9"},
                 {"amp.eco:7: R1 is renamed twice in this list (first on line 5)"}},
        ListCase{"NewNameTwice",
                 {"R1 R7", "R2 R7"},
                 {"amp.eco:6: R7 is given twice in this list (first on line 5)"}},
        ListCase{"NewNameTakenByAPartNotRenamed",
                 {"R1 R3"},
                 {"amp.eco:5: R3 is already the name of a part that this list does not rename"}},
        ListCase{"OldNameCarriedByTwoParts",
                 {"C1 C2"},
                 {"amp.eco:5: C1 is the name of 2 parts in the layout"}},
        ListCase{
            "ThreeFields", {"R1 R7 R8"}, {"amp.eco:5: expected \"OLD NEW\", found \"R1 R7 R8\""}},
        ListCase{"NameTheLayoutRefuses",
                 {"R1 R1.A"},
                 {"amp.eco:5: \"R1.A\" contains \".\", which the layout does not allow in a part "
                  "name"}},
        ListCase{"EveryProblemIsLogged",
                 {"R8 R1", "R2 R2", "R2 R3"},
                 {"amp.eco:5: R8 is not in the layout",
                  "amp.eco:5: R1 is already the name of a part that this list does not rename",
                  "amp.eco:7: R2 is renamed twice in this list (first on line 6)",
                  "amp.eco:7: R3 is already the name of a part that this list does not rename"}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(EcoReader, AnUnknownSectionIsLoggedAndSkipped) {
    const std::string text =
        crlf({"*PADS-ECO-V3.0-MILS*", "*NET*", "GND R1.1", "*RENPART*", "R1 R2", "*END*"});
    const auto r = readInto(text, {"R1"});
    EXPECT_THAT(r.parts, ElementsAre("R2"));
    EXPECT_THAT(r.reading.log, ElementsAre("amp.eco:2: the section *NET* is not read; skipped"));
}

class EcoReaderHeader : public ::testing::TestWithParam<const char*> {};

TEST_P(EcoReaderHeader, EveryHeaderSpellingOpensABlock) {
    const auto r = readInto(crlf({GetParam(), "*RENPART*", "R1 R2", "*END*"}), {"R1"});
    EXPECT_THAT(r.parts, ElementsAre("R2"));
    EXPECT_THAT(r.reading.log, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Spellings, EcoReaderHeader,
                         ::testing::Values("*PADS-ECO-V3.0-MILS*", "*PADS-ECO-V3.0*",
                                           "*PADS-ECO*"));

TEST(EcoReader, ReadsLfLineEndsAsWellAsCrLf) {
    const auto r = readInto("*PADS-ECO*\n*RENPART*\nR1 R2\n*END*\n", {"R1"});
    EXPECT_THAT(r.parts, ElementsAre("R2"));
    EXPECT_THAT(r.reading.log, IsEmpty());
}

TEST(EcoReader, RemarksBlankLinesAndSpacingAreIgnored) {
    const auto r = readInto(crlf({"*PADS-ECO*", "*REMARK* first", "*RENPART*", "  R1\t R2  ", "",
                                  "*REMARK* inside", "R2 R1", "*END*"}),
                            {"R1", "R2"});
    EXPECT_THAT(r.parts, ElementsAre("R2", "R1"));
    EXPECT_THAT(r.reading.log, IsEmpty());
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

TEST(EcoReader, AFileThatEndsInsideABlockChangesNothing) {
    for (const char* last : {"R1 R2", "*NET*"}) {
        const auto r = readInto(crlf({"*PADS-ECO*", "*RENPART*", "R1 R2", last}), {"R1"});
        EXPECT_THAT(r.parts, ElementsAre("R1"));
        EXPECT_EQ(r.reading.refusal, "amp.eco:4: the file ends without *END*");
    }
}

// A rename outside a *RENPART* list would be lost, so the file is refused rather than read
// in part.
TEST(EcoReader, TextOutsideAListChangesNothingAndIsLoggedOnceOutsideBlocks) {
    const auto r = readInto(
        crlf({"R1 R2", "R3 R4", "*PADS-ECO*", "R1 R3", "*RENPART*", "R1 R2", "*END*", "trailing"}),
        {"R1"});
    EXPECT_THAT(r.parts, ElementsAre("R1"));
    EXPECT_THAT(r.reading.log,
                ElementsAre("amp.eco:1: expected a *PADS-ECO header line, found \"R1 R2\"",
                            "amp.eco:4: \"R1 R3\" is outside any section", nothingApplied));
}

TEST(EcoReader, AHeaderInsideABlockChangesNothing) {
    const auto r = readInto(
        crlf({"*PADS-ECO*", "*RENPART*", "R1 R2", "*PADS-ECO*", "*RENPART*", "R2 R3", "*END*"}),
        {"R1"});
    EXPECT_THAT(r.parts, ElementsAre("R1"));
    EXPECT_EQ(r.reading.refusal, "amp.eco:4: a new header before the *END* of the block of line 1");
}

TEST(EcoReader, AFileWithoutHeaderIsNotAnEcoFile) {
    for (const char* text : {"", "\r\n\r\n"}) {
        const auto r = readInto(text, {"R1"});
        EXPECT_THAT(r.parts, ElementsAre("R1"));
        EXPECT_THAT(r.reading.refusal, ::testing::Optional(::testing::EndsWith(
                                           ": no *PADS-ECO header line: not an ECO file")));
    }
}

TEST(EcoReader, AnEmptyListRenamesNothingQuietly) {
    const auto r = readInto(crlf(block({})), {"R1"});
    EXPECT_THAT(r.parts, ElementsAre("R1"));
    EXPECT_THAT(r.reading.log, IsEmpty());
}

} // namespace
} // namespace sequate::host::sim
