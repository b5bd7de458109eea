// The ECO file's name, cut after the first full stop of the schematic's file name.

#include "eco/ecofilename.h"

#include <gtest/gtest.h>
#include <string>

namespace sequate::eco {
namespace {

struct NameCase {
    std::string given;
    std::string expected;
};

class EcoFileNameFor : public ::testing::TestWithParam<NameCase> {};

TEST_P(EcoFileNameFor, DerivesTheEcoNameFromTheSchematicsName) {
    EXPECT_EQ(ecoFileNameFor(GetParam().given), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, EcoFileNameFor,
    ::testing::Values(NameCase{"amp.sch", "amp.eco"}, NameCase{"amp.rev2.sch", "amp.eco"},
                      NameCase{"", "untitled.eco"}, NameCase{".sch", ".eco"},
                      NameCase{"amp", "amp.eco"}, NameCase{"amp.", "amp.eco"},
                      // Only the file-name part: the file stays in its folder.
                      NameCase{"../../etc/passwd.sch", "passwd.eco"},
                      NameCase{"C:\\designs\\amp.sch", "amp.eco"}, NameCase{"..", ".eco"},
                      NameCase{"designs/", "untitled.eco"},
                      // Safe as a file name on Linux and Windows alike.
                      NameCase{"a<b>c:d\"e|f?g*h\ti.sch", "a_b_c_d_e_f_g_h_i.eco"},
                      NameCase{std::string(300, 'a'), std::string(251, 'a') + ".eco"},
                      NameCase{std::string(250, 'a') + "\xc3\xa9.sch",
                               std::string(250, 'a') + ".eco"}));

} // namespace
} // namespace sequate::eco
