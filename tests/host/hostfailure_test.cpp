#include "host/hostfailure.h"

#include <gtest/gtest.h>

namespace sequate::host {
namespace {

TEST(HostFailureTest, CodeTextIsHexForHresultsAndDecimalForSmallCodes) {
    EXPECT_EQ(codeText(HostCode::NoProject), "0x80040202");
    EXPECT_EQ(codeText(HostCode::BadIndex), "0x8002000B");
    EXPECT_EQ(codeText(HostCode::NotRunning), "429");
}

TEST(HostFailureTest, CarriesCodeAndMessage) {
    try {
        throw HostFailure(HostCode::RenameRefused, "R1 is taken");
    } catch (const HostFailure& failure) {
        EXPECT_EQ(failure.code(), HostCode::RenameRefused);
        EXPECT_STREQ(failure.what(), "R1 is taken");
    }
}

} // namespace
} // namespace sequate::host
