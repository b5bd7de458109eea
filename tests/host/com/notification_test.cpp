// PowerLogic's OpenDocument notification over COM: advised at the application's connection
// point, held back while a pass is open and handed over between calls, never inside one.

#include "comdocuments.h"
#include "comsimprocess.h"
#include "host/com/comrunningobjects.h"

#include <gtest/gtest.h>

using namespace sequate;
using namespace sequate::testing;

namespace {

struct RecordingSink : host::LogicApplicationEvents {
    void OpenDocument(std::shared_ptr<host::LogicDocument> doc) override {
        opened.push_back(std::move(doc));
    }
    std::vector<std::shared_ptr<host::LogicDocument>> opened;
};

// Hands over what has come in until something has, or the time is up.
std::size_t deliverWithin(DWORD ms) {
    const ULONGLONG end = ::GetTickCount64() + ms;
    std::size_t delivered = 0;
    while (delivered == 0 && ::GetTickCount64() < end) {
        delivered = host::com::deliverNotifications();
        ::Sleep(20);
    }
    return delivered;
}

// Call 2 is CurrentDocument, inside the pass: the user opens the unsaved document then.
TEST(ComNotification, ADocumentOpenedDuringAPassArrivesAfterIt) {
    ComSimProcess sim(writeStateFile(bindingState(), "notify.json"),
                      {"--open-document-at-call", "2", "--open-index", "2"});
    host::com::ComRunningObjects objects;
    const auto app = objects.attachPowerLogic();
    RecordingSink sink;
    app->advise(&sink);
    app->BeginPass();
    EXPECT_EQ(app->CurrentDocument()->Name(), "amp.sch");
    EXPECT_EQ(deliverWithin(500), 0u);
    app->EndPass();
    EXPECT_EQ(deliverWithin(10000), 1u);
    ASSERT_EQ(sink.opened.size(), 1u);
    EXPECT_EQ(sink.opened[0]->Name(), "");
    EXPECT_EQ(app->CurrentDocument()->ComponentSet()->Objects()->Count(), 2);
    app->unadvise(&sink);
}

TEST(ComNotification, AnUnadvisedSinkHearsNothing) {
    ComSimProcess sim(writeStateFile(bindingState(), "notify.json"),
                      {"--open-document-at-call", "1", "--open-index", "1"});
    host::com::ComRunningObjects objects;
    const auto app = objects.attachPowerLogic();
    RecordingSink sink;
    app->advise(&sink);
    app->unadvise(&sink);
    // The document object stands for whatever is open: the user opened blank.sch at call 1.
    EXPECT_EQ(app->CurrentDocument()->Name(), "blank.sch");
    EXPECT_EQ(deliverWithin(1000), 0u);
    EXPECT_TRUE(sink.opened.empty());
}

} // namespace
