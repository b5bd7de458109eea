#include "host/dbus/protocol.h"

#include <gtest/gtest.h>

using namespace sequate::host;
using namespace sequate::host::dbus;

namespace {

TEST(Protocol, AFailureCrossesTheBusWithItsCodeAndText) {
    for (const HostCode code : {HostCode::NotRunning, HostCode::NoProject, HostCode::RenameRefused,
                                HostCode::BadIndex, HostCode::Failed, HostCode{0x80010108}}) {
        const auto carried = parseErrorMessage(errorMessage(code, "the name R1 is taken"));
        ASSERT_TRUE(carried) << codeText(code);
        EXPECT_EQ(carried->code, code);
        EXPECT_EQ(carried->text, "the name R1 is taken");
    }
    EXPECT_EQ(errorMessage(HostCode::RenameRefused, "x"), QStringLiteral("0x80040203 x"));
}

TEST(Protocol, AMessageWithoutACodeIsNotAFailure) {
    for (const char* message : {"", "R1 is taken", "0xZZ text"})
        EXPECT_FALSE(parseErrorMessage(QString::fromLatin1(message))) << message;
    EXPECT_TRUE(parseErrorMessage(QStringLiteral("429")));
}

TEST(Protocol, InterfaceNamesFollowTheApplication) {
    EXPECT_EQ(interfaceName(QStringLiteral("LogicObjects")),
              QStringLiteral("org.sequate.PowerLogic.LogicObjects"));
    EXPECT_EQ(interfaceName(QStringLiteral("PcbDocument")),
              QStringLiteral("org.sequate.PowerPCB.PcbDocument"));
}

} // namespace
