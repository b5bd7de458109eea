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
#include <QDir>
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

    std::vector<bool> selection() const {
        std::vector<bool> selected;
        for (const auto& component : hosts.logic().documents()[0].components)
            selected.push_back(component.selected);
        return selected;
    }

    void click(std::size_t component, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(sheet(), Qt::LeftButton, modifiers, sheet()->placementAt(component));
    }

    SheetView* sheet() { return window.findChild<SheetView*>("sheet"); }
    QString status() { return window.findChild<QLabel*>("passStatus")->text(); }
    // The window catches up on a timer, not at every call.
    void catchUp() { QTest::qWait(250); }

    SimHosts hosts{state()};
    HostSimService service{hosts, {}};
    HostSimWindow window{hosts, service, "amp.json"};
};

TEST_F(HostSimWindowTest, AClickSelectsOneComponentAndCtrlClickTogglesAnother) {
    click(1);
    EXPECT_EQ(selection(), (std::vector<bool>{false, true, false, false}));
    click(2, Qt::ControlModifier);
    click(1, Qt::ControlModifier);
    EXPECT_EQ(selection(), (std::vector<bool>{false, false, true, false}));
    QTest::mouseClick(sheet(), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(selection(), (std::vector<bool>{false, false, false, false}));
}

TEST_F(HostSimWindowTest, ABandSelectsWhatLiesInside) {
    const QPoint from = sheet()->placementAt(1) + QPoint(10, 10);
    const QPoint to = sheet()->placementAt(2) - QPoint(10, 10);
    QTest::mousePress(sheet(), Qt::LeftButton, {}, from);
    QTest::mouseMove(sheet(), (from + to) / 2);
    QTest::mouseMove(sheet(), to);
    QTest::mouseRelease(sheet(), Qt::LeftButton, {}, to);
    EXPECT_EQ(selection(), (std::vector<bool>{false, true, true, false}));
}

TEST_F(HostSimWindowTest, TheUsersSelectionWaitsWhileAPassIsOpen) {
    const auto app = hosts.logic().application();
    app->BeginPass();
    window.changed();
    catchUp();
    EXPECT_EQ(status(), "A pass is running: your edits wait until it ends.");
    click(0);
    EXPECT_EQ(selection(), (std::vector<bool>{false, false, false, true}));
    app->EndPass();
    service.settle();
    catchUp();
    EXPECT_EQ(selection(), (std::vector<bool>{true, false, false, false}));
    EXPECT_TRUE(status().startsWith("PowerLogic: amp.sch")) << status().toStdString();
}

TEST_F(HostSimWindowTest, TheSidePanelFollowsTheLayoutAndTheCalls) {
    auto* parts = window.findChild<QListWidget*>("layoutParts");
    ASSERT_EQ(parts->count(), 4);
    EXPECT_EQ(parts->item(3)->text(), "U1");
    window.logCall("PowerLogic", "LogicObjects.Item");
    service.openDocument(1);
    catchUp();
    const QString log = window.findChild<QPlainTextEdit*>("callLog")->toPlainText();
    EXPECT_TRUE(log.contains("PowerLogic LogicObjects.Item")) << log.toStdString();
    EXPECT_TRUE(window.windowTitle().contains("other.sch")) << window.windowTitle().toStdString();
}

TEST_F(HostSimWindowTest, TheSidePanelShowsWhyPowerPcbRefusedAnEcoFile) {
    QTemporaryDir folder;
    const QString path = folder.filePath("amp.eco");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("*PADS-ECO*\r\n*RENPART*\r\nR1 R3\r\nR2 R2.A\r\n*END*\r\n");
    file.close();
    const auto layout = hosts.pcb().application()->CurrentDocument();
    EXPECT_THROW(layout->ReadEcoFile(path.toStdString()), host::HostFailure);
    service.settle();
    catchUp();
    const QString log = window.findChild<QPlainTextEdit*>("callLog")->toPlainText();
    EXPECT_TRUE(log.contains("PowerPCB read: amp.eco:4: \"R2.A\" contains \".\""))
        << log.toStdString();
    EXPECT_TRUE(log.contains("PowerPCB read: amp.eco: nothing in the file was applied"))
        << log.toStdString();
    EXPECT_EQ(window.findChild<QListWidget*>("layoutParts")->item(0)->text(), "R1");
}

void drag(SheetView* sheet, QPoint from, QPoint to) {
    QTest::mousePress(sheet, Qt::LeftButton, {}, from);
    QTest::mouseMove(sheet, (from + to) / 2);
    QTest::mouseMove(sheet, to);
    QTest::mouseRelease(sheet, Qt::LeftButton, {}, to);
}

TEST_F(HostSimWindowTest, ClicksOnASheetWithoutADocumentDoNothing) {
    hosts.logic().closeDocument();
    service.settle();
    QTest::mouseClick(sheet(), Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mouseClick(sheet(), Qt::LeftButton, Qt::ControlModifier, QPoint(50, 50));
    drag(sheet(), QPoint(10, 10), QPoint(200, 200));
    EXPECT_EQ(hosts.logic().openIndex(), std::nullopt);
}

// The sheet still shows the document that a waiting close or open is about to replace; a
// click on it cannot reach a component there any more and is dropped.
TEST_F(HostSimWindowTest, ClicksOnADocumentAboutToBeReplacedAreDropped) {
    const auto app = hosts.logic().application();
    app->BeginPass();
    hosts.logic().openDocument(1);
    click(3);
    click(2, Qt::ControlModifier);
    drag(sheet(), sheet()->placementAt(0) - QPoint(10, 10),
         sheet()->placementAt(2) + QPoint(10, 10));
    hosts.logic().closeDocument();
    click(0);
    app->EndPass();
    EXPECT_EQ(hosts.logic().openIndex(), std::nullopt);
    EXPECT_EQ(selection(), (std::vector<bool>{false, false, false, true}));
}

struct OpenedNames : host::LogicApplicationEvents {
    void OpenDocument(std::shared_ptr<host::LogicDocument> doc) override {
        names.push_back(doc->Name());
    }
    std::vector<std::string> names;
};

TEST_F(HostSimWindowTest, TheOpenMenuOpensADocumentAndPowerLogicRaisesOpenDocument) {
    const auto app = hosts.logic().application();
    OpenedNames sink;
    app->advise(&sink);
    QMenu* file = window.menuBar()->actions().front()->menu();
    QMenu* open = file->actions().front()->menu();
    ASSERT_NE(open, nullptr);
    emit open->aboutToShow();
    ASSERT_EQ(open->actions().size(), 2);
    EXPECT_EQ(open->actions()[1]->text(), "other.sch (1 components)");
    open->actions()[1]->trigger();
    EXPECT_EQ(hosts.logic().openIndex(), 1u);
    EXPECT_EQ(sink.names, std::vector<std::string>{"other.sch"});
    app->unadvise(&sink);
}

TEST_F(HostSimWindowTest, AnotherDocumentOpensFittedToTheWindow) {
    const QPoint at = sheet()->rect().center();
    QWheelEvent zoomIn(at, sheet()->mapToGlobal(at), {}, {0, 480}, Qt::NoButton, {},
                       Qt::NoScrollPhase, false);
    QApplication::sendEvent(sheet(), &zoomIn);
    service.openDocument(1);
    catchUp();
    const QPoint opened = sheet()->placementAt(0);
    sheet()->fitToWindow();
    EXPECT_EQ(sheet()->placementAt(0), opened);
}

// Points the documents folder at a temporary home for as long as it lives.
class TemporaryHome {
public:
    TemporaryHome() : mHome(qgetenv("HOME")), mConfig(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("HOME", mFolder.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", (mFolder.path() + "/.config").toUtf8());
    }
    ~TemporaryHome() {
        qputenv("HOME", mHome);
        if (mConfig.isEmpty())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", mConfig);
    }
    QString documents() const { return mFolder.path() + "/Documents"; }

private:
    QTemporaryDir mFolder;
    QByteArray mHome;
    QByteArray mConfig;
};

TEST_F(HostSimWindowTest, SaveStateProposesANewFileInTheDocumentsFolder) {
    const TemporaryHome home;
    EXPECT_EQ(window.proposedStatePath(), home.documents() + "/amp.json");
    ASSERT_TRUE(QDir().mkpath(home.documents()));
    QFile taken(home.documents() + "/amp.json");
    ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
    EXPECT_EQ(window.proposedStatePath(), home.documents() + "/amp-2.json");
}

} // namespace
