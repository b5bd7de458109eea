#include "host/hostfailure.h"

#include <gtest/gtest.h>

namespace sequate::host {
namespace {

TEST(HostFailure, CodeTextIsHexForHresultsAndDecimalForSmallCodes) {
    EXPECT_EQ(codeText(HostCode::NoProject), "0x80040202");
    EXPECT_EQ(codeText(HostCode::BadIndex), "0x8002000B");
    EXPECT_EQ(codeText(HostCode::NotRunning), "429");
}

} // namespace
} // namespace sequate::host
