// Each of the layout's part-name rules is kept on both sides of the ECO file: Sequate does not
// write a name that breaks it, and PowerPCB does not read a file that carries one.

#include "eco/ecoerror.h"
#include "eco/ecotext.h"
#include "host/partnamewords.h"
#include "host/sim/ecoreader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace sequate::eco {
namespace {

using ::testing::Optional;
using ::testing::StartsWith;

class WriterNameRule : public ::testing::TestWithParam<host::PartNameRule> {};

TEST_P(WriterNameRule, RefusesTheNameOnEitherSideOfARename) {
    const std::string name(GetParam().sample);
    using Side = host::EcoNameRefused::Side;
    for (const auto& [oldNames, newNames, side] :
         {std::tuple<std::vector<std::string>, std::vector<std::string>, Side>{
              {name}, {"R2"}, Side::Old},
          {{"R1"}, {name}, Side::New}}) {
        try {
            ecoText(oldNames, newNames);
            ADD_FAILURE() << "written";
        } catch (const EcoError& e) {
            const auto& refused = std::get<host::EcoNameRefused>(e.problem().what);
            EXPECT_EQ(refused.side, side);
            EXPECT_EQ(refused.rule.rule, GetParam().rule);
        }
    }
}

class ReaderNameRule : public ::testing::TestWithParam<host::PartNameRule> {};

TEST_P(ReaderNameRule, RefusesAFileCarryingTheName) {
    // The samples a file can hold are ASCII: their bytes are the same in the file.
    const std::string file =
        "*PADS-ECO*\r\n*RENPART*\r\nR1 " + std::string(GetParam().sample) + "\r\n*END*\r\n";
    std::vector<std::string> layout = {"R1"};
    const auto reading = host::sim::applyEcoText(file, "amp.eco", layout);
    EXPECT_EQ(layout, std::vector<std::string>{"R1"});
    EXPECT_THAT(reading.refusal, Optional(StartsWith("amp.eco:3: ")));
}

std::string ruleLabel(const ::testing::TestParamInfo<host::PartNameRule>& info) {
    return std::string(info.param.label);
}

// An ISO 8859-1 file cannot hold a name that breaks a rule of the encoding.
std::vector<host::PartNameRule> rulesAFileCanBreak() {
    std::vector<host::PartNameRule> rules;
    for (const auto& rule : host::layoutNameRules()) {
        if (!rule.encodingOnly)
            rules.push_back(rule);
    }
    return rules;
}

INSTANTIATE_TEST_SUITE_P(Layout, WriterNameRule, ::testing::ValuesIn(host::layoutNameRules()),
                         ruleLabel);
INSTANTIATE_TEST_SUITE_P(Layout, ReaderNameRule, ::testing::ValuesIn(rulesAFileCanBreak()),
                         ruleLabel);

} // namespace
} // namespace sequate::eco
