// The receivers of a notification, as every binding and simulator keeps them.

#include "host/eventreceivers.h"

#include <gtest/gtest.h>
#include <string>

namespace sequate::host {
namespace {

// Receiver 1 unadvises 2 and itself when it is told, 3 unadvises nobody; 3 is advised twice.
TEST(EventReceivers, EachIsToldOnceAndOneUnadvisedMeanwhileNoMore) {
    EventReceivers<int> receivers;
    for (int receiver : {1, 2, 3, 3})
        receivers.add(receiver);
    std::string told;
    const auto tell = [&](int receiver) {
        told += std::to_string(receiver);
        if (receiver == 1) {
            EXPECT_TRUE(receivers.remove(2));
            EXPECT_TRUE(receivers.remove(1));
        }
    };
    receivers.notify(tell);
    EXPECT_EQ(told, "13");
    EXPECT_FALSE(receivers.remove(2));
    receivers.notify(tell);
    EXPECT_EQ(told, "133");
    EXPECT_FALSE(receivers.empty());
}

} // namespace
} // namespace sequate::host
