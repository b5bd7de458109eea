#include "eco/ecoerror.h"
#include "eco/ecotext.h"
#include "tests/support/ecogolden.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace sequate::eco {
namespace {

using test::golden;

struct GoldenCase {
    const char* file;
    std::vector<std::string> oldNames;
    std::vector<std::string> newNames;
};

class EcoTextGolden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(EcoTextGolden, MatchesTheFileByteForByte) {
    const GoldenCase& c = GetParam();
    const std::string expected = golden(c.file);
    ASSERT_FALSE(expected.empty()) << c.file;
    EXPECT_EQ(ecoText(c.oldNames, c.newNames), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, EcoTextGolden,
    ::testing::Values(GoldenCase{"norows.eco", {}, {}},
                      GoldenCase{"norepeats.eco", {"R3", "R4", "C7"}, {"R1", "R2", "C1"}},
                      // T1 was given by row 0, so the row that takes it away starts a section.
                      GoldenCase{"twosections.eco", {"R1", "R2", "T1"}, {"T1", "R1", "R2"}},
                      // Row 2 renames A again and takes away the A given by row 1: two changes.
                      GoldenCase{"emptymiddle.eco", {"A", "B", "A"}, {"T", "A", "C"}},
                      GoldenCase{"onerowsections.eco", {"R5", "R1", "R2"}, {"R1", "R2", "R3"}},
                      // R10 given, taken away again, then given again.
                      GoldenCase{"repeatednew.eco", {"R1", "R10", "R2"}, {"R10", "R20", "R10"}}),
    [](const auto& info) {
        std::string name = info.param.file;
        return name.substr(0, name.find('.'));
    });

// The rules of the layout are refused on both sides in namerules_test; names beyond ASCII go in
// ISO 8859-1 in the runner's scenario all_latin1_name.
TEST(EcoText, RefusesUnevenRecords) {
    try {
        ecoText({"R1", "R2"}, {"R3"});
        FAIL() << "accepted";
    } catch (const EcoError& e) {
        const auto& uneven = std::get<host::EcoRowsUneven>(e.problem().what);
        EXPECT_EQ(uneven.oldNames, 2u);
        EXPECT_EQ(uneven.newNames, 1u);
    }
}

} // namespace
} // namespace sequate::eco
