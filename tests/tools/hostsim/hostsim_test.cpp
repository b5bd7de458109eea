// The simulator program's window, offscreen, without a bus: the user's selection on the sheet
// goes through the simulated editor and waits while a pass is open.

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
using host::sim::SimState;

namespace {

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
