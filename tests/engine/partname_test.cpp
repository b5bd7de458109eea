#include "engine/partname.h"

#include <gtest/gtest.h>

namespace sequate::engine {
namespace {

// A and Z bound the letters of a letter code, at both ends of a name; an accented letter ends
// the letter code like any other character.
TEST(PartName, SplitsReadsAndClassifiesAnyName) {
    const struct {
        std::string name, code;
        bool hasNumber;
        std::int16_t number;
        bool endsInLetter;
    } cases[] = {{"R12", "R", true, 12, false},   {"U1A", "U", true, 0, true},
                 {"R", "R", false, 0, true},      {"", "", false, 0, false},
                 {"r12", "", true, 0, false},     {"R 5", "R", true, 5, false},
                 {"C40000", "C", true, 0, false}, {"R007", "R", true, 7, false},
                 {"FB-3", "FB", true, -3, false}, {"ZD3", "ZD", true, 3, false},
                 {"AZ", "AZ", false, 0, true},    {"R\xC3\x84\x35", "R", true, 0, false},
                 {"IC5", "IC", true, 5, false},   {"12", "", true, 12, false}};
    // The number part: blanks around it, a sign, a fraction rounded half to even, 16 bits.
    const std::pair<std::string, std::int16_t> numbers[] = {
        {"R\t7 ", 7},        {"R+5", 5},      {"R-32768", -32768},
        {"R32767.4", 32767}, {"R2.5", 2},     {"R3.5", 4},
        {"R-3.5", -4},       {"R2.50001", 3}, {"R2.4999", 2},
        {"R.6", 1},          {"R5.", 5},      {"R0000000000012", 12},
        {"R32767.5", 0},     {"R-32769", 0},  {"R99999999999999999999", 0},
        {"R1e3", 0},         {"R1,000", 0},   {"R--1", 0},
        {"R1.2.3", 0},       {"R-", 0},       {"R1 2", 0}};
    for (const auto& [name, number] : numbers)
        EXPECT_EQ(partNumberOf(name), number) << name;
    // The number a gate carries: a letter code, digits and letters to the end.
    const std::pair<std::string, std::optional<std::int16_t>> gates[] = {
        {"U1C", 1},    {"U007AB", 7}, {"5A", 5},    {"U1", std::nullopt}, {"U", {}},
        {"U1C2D", {}}, {"U1 C", {}},  {"U-1C", {}}, {"U1c", {}},          {"U99999999A", {}}};
    for (const auto& [name, number] : gates)
        EXPECT_EQ(gateNumber(name), number) << name;
    for (const auto& c : cases) {
        const SplitName split = splitName(c.name);
        EXPECT_EQ(split.code, c.code) << c.name;
        EXPECT_EQ(split.hasNumber, c.hasNumber) << c.name;
        EXPECT_EQ(split.number, c.number) << c.name;
        EXPECT_EQ(split.endsInLetter, c.endsInLetter) << c.name;
    }
}

// Only a name PowerLogic takes is made; the edges of its rule are the host's to test.
TEST(PartName, IsMadeOnlyFromANamePowerLogicTakes) {
    const PartName name = std::get<PartName>(PartName::make("IC12"));
    EXPECT_EQ(name.text() + " " + name.code() + " " + std::to_string(name.number()), "IC12 IC 12");
    EXPECT_EQ(std::get<host::NameFault>(PartName::make("R 1")).rule,
              host::NameRule::BlankOrControl);
    EXPECT_EQ(std::get<host::NameFault>(PartName::make("")).rule, host::NameRule::Empty);
    EXPECT_EQ(PartName::numbered("TP", -7), std::get<PartName>(PartName::make("TP-7")));
    EXPECT_THROW(PartName::numbered("R\x7F", 1), std::logic_error);
}

} // namespace
} // namespace sequate::engine
