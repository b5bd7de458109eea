// Sequate's window and the simulator program in two processes, as on a desk: the user presses
// Run with "Write and force read in PCB", and afterwards the schematic and the layout in the
// other process agree and hold what the same pass gives headless.

#include "app/dialogs.h"
#include "app/launch.h"
#include "host/dbus/dbusrunningobjects.h"
#include "host/sim/statefile.h"
#include "hostsimprocess.h"
#include "testdocuments.h"
#include "tools/pass/passrunner.h"

#include <QAbstractButton>
#include <QJsonArray>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

using namespace sequate;
using namespace sequate::testing;

namespace {

host::sim::SimState sample() {
    return host::sim::loadStateFile(SEQUATE_SAMPLES_DIR "/sample.json");
}

std::vector<std::string> strings(const QJsonValue& value) {
    std::vector<std::string> list;
    for (const QJsonValue& item : value.toArray())
        list.push_back(item.toString().toStdString());
    return list;
}

// Remembers the message boxes; the file dialog is cancelled, Cancel is answered as set, and
// the browser never opens.
struct RecordingDialogs : app::Dialogs {
    void showMessage(QWidget*, engine::MessageStyle, const QString&, const QString& text) override {
        messages.push_back(text.toStdString());
    }
    std::optional<QString> chooseSaveFile(QWidget*, const QString&) override { return {}; }
    bool keepRenamesWithoutEco(QWidget*) override { return keepOnCancel; }
    bool putBackUnfinishedPass(QWidget*, const QString&) override { return true; }
    bool openUrl(const QUrl&) override { return false; }

    std::vector<std::string> messages;
    bool keepOnCancel = false;
};

class EndToEnd : public ::testing::Test {
protected:
    void start(const host::sim::SimState& state, const QStringList& simOptions = {},
               int timeoutMs = 5000) {
        sim = std::make_unique<HostSimProcess>(bus, writeStateFile(state, "endtoend.json"),
                                               simOptions);
        launched = app::launch(
            std::make_unique<host::dbus::DbusRunningObjects>(bus.connect(), timeoutMs), dialogs);
        ASSERT_TRUE(launched.window) << "start-up ended the program";
    }

    // Control names are unique in the window: the last part of the path finds it.
    template <class Control>
    Control* control(const QString& path) {
        auto* found = launched.window->findChild<Control*>(path.section(QLatin1Char('/'), -1));
        if (!found)
            throw std::runtime_error("no control " + path.toStdString());
        return found;
    }

    void click(const QString& path) {
        auto* button = control<QAbstractButton>(path);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    }

    // Run as the user does it: the start option, "1", and the ECO box with "Write and force
    // read in PCB", which is the option selected when the box is ticked, or "Write only".
    void runWithPcb(const QString& option, bool writeOnly = false) {
        click(option);
        auto* box = control<QLineEdit>("frmStart/txtStart");
        box->clear();
        QTest::keyClicks(box, "1");
        click("frmStart/frmSend/chkSend");
        ASSERT_TRUE(
            control<QAbstractButton>("frmStart/frmSend/frmSendOptions/optDirect")->isChecked());
        if (writeOnly)
            click("frmStart/frmSend/frmSendOptions/optECO");
        click("cmdRun");
    }

    void expectAsHeadless(const host::sim::SimState& state, bool selected) {
        tools::RunnerOptions options;
        options.selected = selected;
        const auto expected = tools::runPass(state, options).report;
        const auto now = sim->state();
        EXPECT_EQ(dialogs.messages, std::vector<std::string>{});
        EXPECT_EQ(namesOf(now.documents[0]), strings(expected["names"]));
        ASSERT_TRUE(now.layout);
        EXPECT_EQ(now.layout->parts, strings(expected["layout"]));
        EXPECT_EQ(now.layout->parts, namesOf(now.documents[0]))
            << "the layout read the ECO file and agrees with the schematic";
        EXPECT_NE(now.layout->parts, namesOf(state.documents[0])) << "the pass renamed nothing";
    }

    PrivateBus bus;
    std::unique_ptr<HostSimProcess> sim;
    RecordingDialogs dialogs;
    app::Launch launched;
};

TEST_F(EndToEnd, APassOverAllComponentsReachesTheLayout) {
    const auto state = sampleWithoutSelection();
    start(state);
    EXPECT_EQ(launched.window->windowTitle().toStdString(), "Sequate " + state.documents[0].name);
    runWithPcb("frmStart/optStart");
    expectAsHeadless(state, false);
}

TEST_F(EndToEnd, APassOverTheSelectedComponentsReachesTheLayout) {
    auto state = sample();
    auto& components = state.documents[0].components;
    for (std::size_t i = 0; i < components.size(); ++i)
        components[i].selected = i % 7 == 3 && !components[i].placements.empty();
    start(state);
    runWithPcb("frmStart/optSelected");
    expectAsHeadless(state, true);
}

TEST_F(EndToEnd, AnOpenedDocumentChangesTheCaption) {
    auto state = sample();
    state.documents.push_back({"filter.sch", {{"R1", false, {{0, 0}}}, {"R2", false, {}}}});
    start(state);
    sim->openDocument(1);
    EXPECT_TRUE(waitUntil(
        [&] { return launched.window->windowTitle() == QStringLiteral("Quillaron filter.sch"); },
        5000))
        << launched.window->windowTitle().toStdString();
}

TEST_F(EndToEnd, AHostThatDiesDuringAPassLeavesTheWindowUsable) {
    const auto state = sampleWithoutSelection();
    start(state);
    const std::uint64_t startup = sim->callCount();
    launched = {};
    sim.reset();
    start(state, {QStringLiteral("--exit-at-call"), QString::number(startup + 200)});
    runWithPcb("frmStart/optStart");
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_NE(dialogs.messages.front().find("PowerLogic went away"), std::string::npos)
        << dialogs.messages.front();
    EXPECT_EQ(sim->waitForExit(5000), 3);

    dialogs.messages.clear();
    click("cmdRun");
    EXPECT_FALSE(dialogs.messages.empty()) << "a second Run says that PowerLogic is gone";
    QSignalSpy ended(launched.window.get(), &app::frmRenPart::programEnd);
    click("cmdEnd");
    ASSERT_EQ(ended.count(), 1);
    EXPECT_EQ(ended.front().front().toInt(), 0);
}

// The host comes back after the hung call gave up, and before the undo's first call would.
TEST_F(EndToEnd, AHostThatHangsDuringAPassLeavesEveryNameAndAWindowThatRunsAgain) {
    const auto state = sampleWithoutSelection();
    start(state);
    const std::uint64_t startup = sim->callCount();
    launched = {};
    sim.reset();
    start(state,
          {QStringLiteral("--hang-at-call"), QString::number(startup + 200),
           QStringLiteral("--hang-ms"), QStringLiteral("2200")},
          1500);
    runWithPcb("frmStart/optStart");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages.front().find("did not answer"), std::string::npos)
        << dialogs.messages.front();
    EXPECT_EQ(namesOf(sim->state().documents[0]), namesOf(state.documents[0]));
    EXPECT_FALSE(sim->passOpen());

    dialogs.messages.clear();
    click("cmdRun");
    expectAsHeadless(state, false);
}

// The same ways for the layout to miss a pass as in memory, across two processes: the
// schematic in the simulator ends either renamed with the layout agreeing, or as it was.
TEST_F(EndToEnd, SchematicAndLayoutStayInStepAcrossProcesses) {
    const struct {
        const char* what;
        QStringList simOptions;
        bool layoutOutOfStep;
        bool writeOnly;
        bool keepOnCancel;
        bool renamed;
        const char* says;
    } cases[] = {
        {"PowerPCB not running",
         {"--no-powerpcb"},
         false,
         false,
         false,
         false,
         "PowerPCB is not running"},
        {"the layout refuses the file", {}, true, false, false, false, "undone"},
        {"Cancel, then Undo", {}, false, true, false, false, "cancelled"},
        {"Cancel, then Keep", {}, false, true, true, true, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto state = sampleWithoutSelection();
        // A part the pass renames goes missing from the layout, so PowerPCB refuses the file.
        auto& layout = state.layout->parts;
        if (c.layoutOutOfStep)
            layout.erase(std::find_if(layout.begin(), layout.end(), [](const std::string& name) {
                return std::isdigit(static_cast<unsigned char>(name.back()));
            }));
        dialogs.messages.clear();
        dialogs.keepOnCancel = c.keepOnCancel;
        start(state, c.simOptions);
        runWithPcb("frmStart/optStart", c.writeOnly);
        const auto now = sim->state();
        const auto before = namesOf(state.documents[0]);
        std::string shown;
        for (const auto& message : dialogs.messages)
            shown += message;
        EXPECT_NE(shown.find(c.says), std::string::npos) << shown;
        EXPECT_EQ(namesOf(now.documents[0]) != before, c.renamed);
        if (now.layout && !c.writeOnly) {
            EXPECT_EQ(now.layout->parts, state.layout->parts);
        }
        launched = {};
        sim.reset();
    }
}

} // namespace
