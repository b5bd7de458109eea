#include "eco/ecotext.h"
#include "host/sim/ecoreader.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace sequate::eco {
namespace {

// Renames as a schematic editor makes them, one after the other: each row renames a part that
// has the old name to a name no other part has at that moment (or to its own name again).
struct Pass {
    std::vector<std::string> layout;
    std::vector<std::string> oldNames;
    std::vector<std::string> newNames;
    std::vector<std::string> renamed; // the layout after the renames, one at a time
};

// Appended rather than "R" + std::to_string(...), which GCC 12 at -O3 warns about (-Wrestrict).
std::string partName(std::size_t number) {
    std::string name = "R";
    name += std::to_string(number);
    return name;
}

Pass generatedPass(std::mt19937& random) {
    std::uniform_int_distribution<int> partCount(1, 12);
    std::uniform_int_distribution<int> rowCount(0, 40);
    std::uniform_int_distribution<int> number(1, 16);
    Pass pass;
    for (int i = partCount(random); i > 0; --i) {
        const std::string name = partName(pass.layout.size() + 1);
        pass.layout.push_back(name);
    }
    pass.renamed = pass.layout;
    std::uniform_int_distribution<std::size_t> part(0, pass.layout.size() - 1);
    for (int row = rowCount(random); row > 0; --row) {
        const std::size_t k = part(random);
        const std::string wanted = partName(number(random));
        const bool taken = std::count(pass.renamed.begin(), pass.renamed.end(), wanted) > 0;
        if (taken && pass.renamed[k] != wanted)
            continue;
        pass.oldNames.push_back(pass.renamed[k]);
        pass.newNames.push_back(wanted);
        pass.renamed[k] = wanted;
    }
    return pass;
}

TEST(EcoRoundTrip, PowerPcbReadingTheFileEndsWithTheSchematicsNames) {
    std::mt19937 random(1206);
    for (int round = 0; round < 3000; ++round) {
        const Pass pass = generatedPass(random);
        std::vector<std::string> layout = pass.layout;
        const auto reading =
            host::sim::applyEcoText(ecoText(pass.oldNames, pass.newNames), "pass.eco", layout);
        ASSERT_THAT(reading.log, ::testing::IsEmpty()) << "round " << round;
        ASSERT_EQ(layout, pass.renamed) << "round " << round;
    }
}

} // namespace
} // namespace sequate::eco
