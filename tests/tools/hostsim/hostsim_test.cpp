// The simulator program, offscreen, without a bus: what it saves, and its window, where the
// user's selection on the sheet goes through the simulated editor and waits while a pass is open.

#include "host/sim/simstate.h"
#include "tools/hostsim/hostsimservice.h"
#include "tools/hostsim/hostsimwindow.h"
#include "tools/hostsim/sheetview.h"
#include "tools/hostsim/simhosts.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

using namespace sequate;
using namespace sequate::hostsim;
using host::sim::DocumentData;
using host::sim::SimState;

namespace {

TEST(CurrentState, PutsTheOpenDocumentFirstAndKeepsTheRenames) {
    const DocumentData amp{"amp.rev2.sch", {{"R1", false, {}}, {"C1", true, {}}}};
    const DocumentData unsaved{"", {{"Q1", false, {}}}};
    SimHosts hosts(SimState{{amp, unsaved, {"third.sch", {}}}, std::nullopt});
    hosts.logic().application()->CurrentDocument()->ComponentSet()->Objects()->Item(1)->SetName(
        "R7");
    hosts.logic().openDocument(2);
    const SimState saved = hosts.currentState();
    ASSERT_EQ(saved.documents.size(), 3u);
    EXPECT_EQ(saved.documents[0].name, "third.sch");
    EXPECT_EQ(saved.documents[1].components[0].name, "R7");
    EXPECT_EQ(saved.documents[1].components[1], amp.components[1]);
    EXPECT_EQ(saved.documents[2], unsaved);
    EXPECT_EQ(saved.layout, (host::sim::LayoutData{"amp.pcb", {"R1", "C1"}}));
}

using Selection = std::vector<bool>;

class HostSimWindowTest : public ::testing::Test {
protected:
    HostSimWindowTest() {
        window.resize(900, 600);
        window.show();
    }

    Selection selection() const {
        Selection selected;
        for (const auto& component : hosts.logic().documents()[0].components)
            selected.push_back(component.selected);
        return selected;
    }

    void click(std::size_t component, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(sheet(), Qt::LeftButton, modifiers, sheet()->placementAt(component));
    }

    SheetView* sheet() { return window.findChild<SheetView*>("sheet"); }

    SimHosts hosts{SimState{{{"amp.sch",
                              {{"R1", false, {{0, 0}}},
                               {"R2", false, {{1000, 0}}},
                               {"C1", false, {{1000, 1000}}},
                               {"U1", true, {{0, 1000}, {500, 500}}}}},
                             {"other.sch", {{"Q1", false, {{0, 0}}}}}},
                            std::nullopt}};
    HostSimService service{hosts, {}};
    HostSimWindow window{hosts, service, "amp.json"};
};

// The window catches up on a timer, not at every call, hence the waits.
TEST_F(HostSimWindowTest, ClicksSelectThroughTheEditorAndWaitWhileAPassIsOpen) {
    click(1);
    click(2, Qt::ControlModifier);
    click(1, Qt::ControlModifier);
    EXPECT_EQ(selection(), (Selection{false, false, true, false}));
    const auto app = hosts.logic().application();
    app->BeginPass();
    window.changed();
    QTest::qWait(250);
    EXPECT_EQ(window.findChild<QLabel*>("passStatus")->text(),
              "A pass is running: your edits wait until it ends.");
    click(0);
    EXPECT_EQ(selection(), (Selection{false, false, true, false}));
    app->EndPass();
    service.settle();
    QTest::qWait(250);
    EXPECT_EQ(selection(), (Selection{true, false, false, false}));
}

} // namespace
