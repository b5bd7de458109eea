#include "engine/partname.h"

#include <gtest/gtest.h>

namespace sequate::engine {
namespace {

struct NameCase {
    std::string name;
    std::string code;
    bool hasNumber;
    std::int16_t number;
    bool endsInLetter;
};

class PartNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(PartNameTest, SplitsReadsAndClassifiesTheName) {
    const NameCase& c = GetParam();
    EXPECT_EQ(letterCode(c.name), c.code);
    EXPECT_EQ(hasNumberPart(c.name), c.hasNumber);
    EXPECT_EQ(partNumberOf(c.name), c.number);
    EXPECT_EQ(endsInLetter(c.name), c.endsInLetter);
}

INSTANTIATE_TEST_SUITE_P(
    Names, PartNameTest,
    ::testing::Values(NameCase{"R12", "R", true, 12, false}, NameCase{"U1A", "U", true, 0, true},
                      NameCase{"IC5", "IC", true, 5, false}, NameCase{"R", "R", false, 0, true},
                      NameCase{"", "", false, 0, false}, NameCase{"r12", "", true, 0, false},
                      NameCase{"R 5", "R", true, 5, false}, NameCase{"C40000", "C", true, 0, false},
                      NameCase{"R007", "R", true, 7, false},
                      NameCase{"FB-3", "FB", true, -3, false}, NameCase{"12", "", true, 12, false},
                      // A and Z bound the letters of a letter code, at both ends of a name.
                      NameCase{"ZD3", "ZD", true, 3, false}, NameCase{"AZ", "AZ", false, 0, true},
                      // Accented letters end the letter code like any other character.
                      NameCase{"R\xC3\x84"
                               "5",
                               "R", true, 0, false}));

struct NumberTextCase {
    std::string text;
    std::optional<std::int16_t> expected;
};

class ToInt16Test : public ::testing::TestWithParam<NumberTextCase> {};

TEST_P(ToInt16Test, ReadsWholeNumbersRoundingHalfToEven) {
    EXPECT_EQ(toInt16(GetParam().text), GetParam().expected) << "text: '" << GetParam().text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ToInt16Test,
    ::testing::Values(
        NumberTextCase{"1", 1}, NumberTextCase{"  42  ", 42}, NumberTextCase{"\t7", 7},
        NumberTextCase{"-5", -5}, NumberTextCase{"+5", 5}, NumberTextCase{"007", 7},
        NumberTextCase{"0", 0}, NumberTextCase{"32767", 32767}, NumberTextCase{"-32768", -32768},
        NumberTextCase{"32768", std::nullopt}, NumberTextCase{"-32769", std::nullopt},
        NumberTextCase{"100000", std::nullopt}, NumberTextCase{"0000000000012", 12},
        NumberTextCase{"99999999999999999999", std::nullopt}, NumberTextCase{"2.5", 2},
        NumberTextCase{"3.5", 4}, NumberTextCase{"100.5", 100}, NumberTextCase{"101.5", 102},
        NumberTextCase{"2.50001", 3}, NumberTextCase{"2.4999", 2}, NumberTextCase{"-2.5", -2},
        NumberTextCase{"-3.5", -4}, NumberTextCase{".5", 0}, NumberTextCase{"5.", 5},
        NumberTextCase{"32767.4", 32767}, NumberTextCase{"32767.5", std::nullopt},
        NumberTextCase{"-32768.5", -32768}, NumberTextCase{"", std::nullopt},
        NumberTextCase{"   ", std::nullopt}, NumberTextCase{"abc", std::nullopt},
        NumberTextCase{"1A", std::nullopt}, NumberTextCase{"1 2", std::nullopt},
        NumberTextCase{"-", std::nullopt}, NumberTextCase{".", std::nullopt},
        NumberTextCase{"1e3", std::nullopt}, NumberTextCase{"1,000", std::nullopt},
        NumberTextCase{"--1", std::nullopt}, NumberTextCase{"1.2.3", std::nullopt}));

} // namespace
} // namespace sequate::engine
