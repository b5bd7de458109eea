#include "eco/ecotext.h"
#include "eco/sectionrule.h"
#include "literalecowriter.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace sequate::eco {
namespace {

struct Rows {
    std::vector<std::string> oldNames;
    std::vector<std::string> newNames;
};

// Rows drawn from a few names, so that every kind of repeat occurs, often several at once.
Rows generatedRows(std::mt19937& random) {
    static const std::vector<std::string> pool = {"R1", "R2", "R3", "R4", "C1",
                                                  "C2", "U1", "T1", "R10"};
    std::uniform_int_distribution<std::size_t> pick(0, pool.size() - 1);
    std::uniform_int_distribution<std::size_t> length(0, 40);
    Rows rows;
    for (std::size_t k = length(random); k > 0; --k) {
        rows.oldNames.push_back(pool[pick(random)]);
        rows.newNames.push_back(pool[pick(random)]);
    }
    return rows;
}

TEST(SectionRule, MatchesTheThreePassWriterOnGeneratedRows) {
    std::mt19937 random(20261206);
    for (int round = 0; round < 2000; ++round) {
        const Rows rows = generatedRows(random);
        ASSERT_EQ(ecoText(rows.oldNames, rows.newNames),
                  test::literalEcoText(rows.oldNames, rows.newNames))
            << "round " << round;
    }
}

// Appended rather than "R" + std::to_string(...), which GCC 12 at -O3 warns about (-Wrestrict).
std::string partName(int number) {
    std::string name = "R";
    name += std::to_string(number);
    return name;
}

TEST(SectionRule, MatchesTheThreePassWriterOnAPassOverManyParts) {
    // A pass over all parts: temporary names first, then the final ones, many chains.
    Rows rows;
    for (int i = 1; i <= 300; ++i) {
        rows.oldNames.push_back(partName(i));
        rows.newNames.push_back(partName(i + 1000));
    }
    for (int i = 1; i <= 300; ++i) {
        rows.oldNames.push_back(partName(i + 1000));
        rows.newNames.push_back(partName(301 - i));
    }
    EXPECT_EQ(ecoText(rows.oldNames, rows.newNames),
              test::literalEcoText(rows.oldNames, rows.newNames));
}

TEST(SectionRule, CountsEachConditionOnceHoweverManyEarlierRowsMatch) {
    // Row 3: its new name R9 was given twice before, its old name R1 renamed twice before and
    // given once before: one change for each of the three conditions.
    const std::vector<std::string> oldNames = {"R1", "R1", "R2", "R1"};
    const std::vector<std::string> newNames = {"R9", "R9", "R1", "R9"};
    EXPECT_EQ(sectionChanges(oldNames, newNames), (std::vector<int>{0, 2, 0, 3}));
}

} // namespace
} // namespace sequate::eco
