// The simulator program's window, offscreen, without a bus: the user's selection on the sheet
// goes through the simulated editor (and waits while a pass is open), and the side panel
// follows the layout and the calls.

#include "host/hostfailure.h"
#include "host/sim/simstate.h"
#include "tools/hostsim/hostsimservice.h"
#include "tools/hostsim/hostsimwindow.h"
#include "tools/hostsim/sheetview.h"
#include "tools/hostsim/simhosts.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <vector>

using namespace sequate;
using namespace sequate::hostsim;

namespace {

using Selection = std::vector<bool>;

host::sim::SimState state() {
    const host::sim::DocumentData amp{"amp.sch",
                                      {{"R1", false, {{0, 0}}},
                                       {"R2", false, {{1000, 0}}},
                                       {"C1", false, {{1000, 1000}}},
                                       {"U1", true, {{0, 1000}, {500, 500}}}}};
    return {{amp, {"other.sch", {{"Q1", false, {{0, 0}}}}}}, std::nullopt};
}

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
    QString status() { return window.findChild<QLabel*>("passStatus")->text(); }
    QString log() { return window.findChild<QPlainTextEdit*>("callLog")->toPlainText(); }
    // The window catches up on a timer, not at every call.
    void catchUp() { QTest::qWait(250); }

    SimHosts hosts{state()};
    HostSimService service{hosts, {}};
    HostSimWindow window{hosts, service, "amp.json"};
};

TEST_F(HostSimWindowTest, ClicksAndABandSelectThroughTheEditor) {
    click(1);
    EXPECT_EQ(selection(), (Selection{false, true, false, false}));
    click(2, Qt::ControlModifier);
    click(1, Qt::ControlModifier);
    EXPECT_EQ(selection(), (Selection{false, false, true, false}));
    QTest::mouseClick(sheet(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(selection(), (Selection{false, false, false, false}));
    const QPoint from = sheet()->placementAt(1) + QPoint(10, 10);
    const QPoint to = sheet()->placementAt(2) - QPoint(10, 10);
    QTest::mousePress(sheet(), Qt::LeftButton, {}, from);
    QTest::mouseMove(sheet(), (from + to) / 2);
    QTest::mouseMove(sheet(), to);
    QTest::mouseRelease(sheet(), Qt::LeftButton, {}, to);
    EXPECT_EQ(selection(), (Selection{false, true, true, false}));
}

TEST_F(HostSimWindowTest, TheUsersSelectionWaitsWhileAPassIsOpen) {
    const auto app = hosts.logic().application();
    app->BeginPass();
    window.changed();
    catchUp();
    EXPECT_EQ(status(), "A pass is running: your edits wait until it ends.");
    click(0);
    EXPECT_EQ(selection(), (Selection{false, false, false, true}));
    app->EndPass();
    service.settle();
    catchUp();
    EXPECT_EQ(selection(), (Selection{true, false, false, false}));
    EXPECT_TRUE(status().startsWith("PowerLogic: amp.sch")) << status().toStdString();
}

TEST_F(HostSimWindowTest, TheSidePanelShowsTheLayoutTheCallsAndWhyAnEcoFileWasRefused) {
    QTemporaryDir folder;
    QFile file(folder.filePath("amp.eco"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("*PADS-ECO*\r\n*RENPART*\r\nR1 R3\r\nR2 R2.A\r\n*END*\r\n");
    file.close();
    const auto layout = hosts.pcb().application()->CurrentDocument();
    EXPECT_THROW(layout->ReadEcoFile(file.fileName().toStdString()), host::HostFailure);
    window.logCall("PowerLogic", "LogicObjects.Item");
    service.settle();
    catchUp();
    EXPECT_TRUE(log().contains("PowerLogic LogicObjects.Item")) << log().toStdString();
    EXPECT_TRUE(log().contains("PowerPCB read: amp.eco:4: \"R2.A\" contains \".\""));
    EXPECT_TRUE(log().contains("PowerPCB read: amp.eco: nothing in the file was applied"));
    auto* parts = window.findChild<QListWidget*>("layoutParts");
    ASSERT_EQ(parts->count(), 4);
    EXPECT_EQ(parts->item(0)->text(), "R1");
    EXPECT_EQ(parts->item(3)->text(), "U1");
}

// A document opened from the menu is raised as PowerLogic's OpenDocument, named in the title,
// and fitted to the window however the last one was zoomed.
TEST_F(HostSimWindowTest, TheOpenMenuOpensADocumentFittedToTheWindow) {
    struct OpenedNames : host::LogicApplicationEvents {
        void OpenDocument(std::shared_ptr<host::LogicDocument> doc) override {
            names.push_back(doc->Name());
        }
        std::vector<std::string> names;
    } opened;
    const auto app = hosts.logic().application();
    app->advise(&opened);
    const QPoint at = sheet()->rect().center();
    QWheelEvent zoomIn(at, sheet()->mapToGlobal(at), {}, {0, 480}, Qt::NoButton, {},
                       Qt::NoScrollPhase, false);
    QApplication::sendEvent(sheet(), &zoomIn);
    QMenu* open = window.menuBar()->actions().front()->menu()->actions().front()->menu();
    ASSERT_NE(open, nullptr);
    emit open->aboutToShow();
    ASSERT_EQ(open->actions().size(), 2);
    EXPECT_EQ(open->actions()[1]->text(), "other.sch (1 components)");
    open->actions()[1]->trigger();
    catchUp();
    EXPECT_EQ(hosts.logic().openIndex(), 1u);
    EXPECT_EQ(opened.names, std::vector<std::string>{"other.sch"});
    EXPECT_TRUE(window.windowTitle().contains("other.sch")) << window.windowTitle().toStdString();
    const QPoint shown = sheet()->placementAt(0);
    sheet()->fitToWindow();
    EXPECT_EQ(sheet()->placementAt(0), shown);
    app->unadvise(&opened);
}

} // namespace
