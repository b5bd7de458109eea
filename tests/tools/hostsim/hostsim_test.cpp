// The simulator program, offscreen, without a bus: what it saves; its window, where the user's
// selection on the sheet goes through the simulated editor (and waits while a pass is open) and
// the side panel follows the layout and the calls; and its sheet, which zooms about the
// pointer, pans with the middle button, fits the window again on F or Home, and names only the
// components whose names have room at the current zoom.

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
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

using namespace sequate;
using namespace sequate::hostsim;
using host::sim::DocumentData;
using host::sim::LayoutData;
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
    EXPECT_EQ(saved.layout, (LayoutData{"amp.pcb", {"R1", "C1"}}));
}

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

// R1 and R2 sit so close that at the fitted zoom their names would overlap.
host::sim::SimState closeNeighbours() {
    return {{{"amp.sch",
              {{"R1", false, {{0, 0}}},
               {"R2", false, {{5, 0}}},
               {"C1", false, {{1000, 1000}}},
               {"U1", false, {{0, 1000}}}}}},
            std::nullopt};
}

class SheetViewTest : public ::testing::Test {
protected:
    SheetViewTest() {
        sheet.resize(600, 400);
        sheet.show();
    }

    void wheel(QPoint at, int notches) {
        QWheelEvent event(at, sheet.mapToGlobal(at), {}, {0, 120 * notches}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&sheet, &event);
    }

    std::vector<QPoint> placements() const {
        std::vector<QPoint> points;
        for (std::size_t i = 0; i < 4; ++i)
            points.push_back(sheet.placementAt(i));
        return points;
    }

    bool shown(const char* name) const {
        const auto names = sheet.shownNames();
        return std::find(names.begin(), names.end(), QString(name)) != names.end();
    }

    SimHosts hosts{closeNeighbours()};
    SheetView sheet{hosts.logic()};
};

TEST_F(SheetViewTest, TheWheelZoomsAboutThePointerFOrHomeFitsAgainAndTheMiddleButtonPans) {
    const auto fitted = placements();
    wheel(fitted[2], 3);
    const auto zoomed = placements();
    EXPECT_LE((zoomed[2] - fitted[2]).manhattanLength(), 2) << "the point under the pointer";
    EXPECT_GT((zoomed[3] - zoomed[2]).manhattanLength(),
              (fitted[3] - fitted[2]).manhattanLength() * 3 / 2);
    QTest::keyClick(&sheet, Qt::Key_F);
    EXPECT_EQ(placements(), fitted);
    wheel(fitted[2], -2);
    QTest::keyClick(&sheet, Qt::Key_Home);
    EXPECT_EQ(placements(), fitted);

    const QPoint from(300, 200), shift(40, -30);
    QTest::mousePress(&sheet, Qt::MiddleButton, {}, from);
    QTest::mouseMove(&sheet, from + shift);
    QTest::mouseRelease(&sheet, Qt::MiddleButton, {}, from + shift);
    for (std::size_t i = 0; i < fitted.size(); ++i)
        EXPECT_EQ(placements()[i], fitted[i] + shift) << i;
    EXPECT_FALSE(hosts.logic().documents()[0].components[0].selected) << "a pan selects nothing";
}

TEST_F(SheetViewTest, NamesThatWouldOverlapAreShownOnceZoomedIn) {
    EXPECT_TRUE(shown("C1") && shown("U1"));
    EXPECT_FALSE(shown("R1") && shown("R2"));
    wheel(sheet.placementAt(0), 16);
    EXPECT_TRUE(shown("R1") && shown("R2"));
    EXPECT_FALSE(shown("C1")) << "C1 is out of view";
}

} // namespace
