// The ECO file's name, cut after the first full stop of the schematic's file name.

#include "eco/ecofilename.h"

#include <gtest/gtest.h>

namespace sequate::eco {
namespace {

struct NameCase {
    const char* given;
    const char* expected;
};

class EcoFileNameFor : public ::testing::TestWithParam<NameCase> {};

TEST_P(EcoFileNameFor, DerivesTheEcoNameFromTheSchematicsName) {
    EXPECT_EQ(ecoFileNameFor(GetParam().given), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Names, EcoFileNameFor,
                         ::testing::Values(NameCase{"amp.sch", "amp.eco"},
                                           NameCase{"amp.rev2.sch", "amp.eco"},
                                           NameCase{"", "untitled.eco"}, NameCase{".sch", ".eco"},
                                           NameCase{"amp", "amp.eco"}, NameCase{"amp.", "amp.eco"},
                                           // Only the file-name part: the file stays in its folder.
                                           NameCase{"../../etc/passwd.sch", "passwd.eco"},
                                           NameCase{"C:\\designs\\amp.sch", "amp.eco"},
                                           NameCase{"..", ".eco"},
                                           NameCase{"designs/", "untitled.eco"}));

} // namespace
} // namespace sequate::eco
