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
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <functional>
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
    QSignalSpy ended(launched.window.get(), &app::MainWindow::programEnd);
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
// schematic in the simulator ends either renamed with the layout agreeing, or as it was, or
// (PowerPCB hanging in its read) renamed with the ECO file kept where the message says.
TEST_F(EndToEnd, SchematicAndLayoutStayInStepAcrossProcesses) {
    enum class Expect { Unchanged, Renamed, FileKept };
    struct Case {
        const char* what;
        QStringList simOptions = {};
        bool writeOnly = false;
        bool keepOnCancel = false;
        Expect expect = Expect::Unchanged;
        const char* says = "";
        std::function<void(host::sim::SimState&)> shape = {};
        const char* start = "1";
        const char* temporaryFolder = nullptr;
        bool appendOnlyTemporaryFolder = false; // its entries cannot be removed
    };
    const auto readOfTheEco = [this](const host::sim::SimState& state) {
        // Where PowerPCB's read of the file falls among the calls of the same pass.
        PrivateBus dryBus;
        HostSimProcess dry(dryBus, writeStateFile(state, "dry.json"));
        RecordingDialogs quiet;
        auto window =
            app::launch(std::make_unique<host::dbus::DbusRunningObjects>(dryBus.connect()), quiet);
        std::swap(launched, window);
        runWithPcb("frmStart/optStart");
        std::swap(launched, window);
        const QStringList calls = dry.callLog();
        for (qsizetype i = 0; i < calls.size(); ++i)
            if (calls[i].endsWith("PcbDocument.ReadEcoFile"))
                return QString::number(i + 1);
        return QString();
    };
    const Case cases[] = {
        {"PowerPCB not running",
         {"--no-powerpcb"},
         false,
         false,
         Expect::Unchanged,
         "PowerPCB is not running"},
        {"no layout open", {"--no-layout"}, false, false, Expect::Unchanged, "no layout is open"},
        {"the layout refuses the file",
         {},
         false,
         false,
         Expect::Unchanged,
         "undone",
         [](host::sim::SimState& state) {
             // A part the pass renames goes missing from the layout.
             auto& layout = state.layout->parts;
             layout.erase(std::find_if(layout.begin(), layout.end(), [](const std::string& n) {
                 return std::isdigit(static_cast<unsigned char>(n.back()));
             }));
         }},
        {"a name the layout cannot carry",
         {},
         false,
         false,
         Expect::Unchanged,
         "the layout takes at most 15",
         [](host::sim::SimState& state) {
             state.documents[0].components.resize(2);
             state.documents[0].components[0].name = "TESTPOINTPAD12";
             state.layout->parts = namesOf(state.documents[0]);
         },
         "32760"},
        {"the file cannot be written",
         {},
         false,
         false,
         Expect::Unchanged,
         "temporary folder",
         {},
         "1",
         "/nonexistent/sequate-test"},
        {"Cancel, then Undo", {}, true, false, Expect::Unchanged, "cancelled"},
        {"Cancel, then Keep", {}, true, true, Expect::Renamed, ""},
        {"PowerPCB stops answering while it reads",
         {"--hang-ms", "3000"},
         false,
         false,
         Expect::FileKept,
         "read it into the layout"},
        {"the file cannot be deleted after the read",
         {},
         false,
         false,
         Expect::Renamed,
         "could not delete the ECO file",
         {},
         "1",
         nullptr,
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto state = sampleWithoutSelection();
        if (c.shape)
            c.shape(state);
        QStringList simOptions = c.simOptions;
        if (c.expect == Expect::FileKept)
            simOptions << "--hang-at-call" << readOfTheEco(state);
        const bool hadTmp = qEnvironmentVariableIsSet("TMPDIR");
        const QByteArray savedTmp = qgetenv("TMPDIR");
        if (c.temporaryFolder)
            qputenv("TMPDIR", c.temporaryFolder);
        QTemporaryDir appendOnly;
        const QByteArray appendOnlyPath = QFile::encodeName(appendOnly.path());
        if (c.appendOnlyTemporaryFolder) {
            // Only root may make a folder append-only; elsewhere the case is left out.
            if (std::system(("chattr +a '" + appendOnlyPath + "' 2>/dev/null").constData()) != 0)
                continue;
            qputenv("TMPDIR", appendOnlyPath);
        }
        dialogs.messages.clear();
        dialogs.keepOnCancel = c.keepOnCancel;
        start(state, simOptions, c.expect == Expect::FileKept ? 1000 : 5000);
        click("frmStart/optStart");
        auto* box = control<QLineEdit>("frmStart/txtStart");
        box->clear();
        QTest::keyClicks(box, c.start);
        click("frmStart/frmSend/chkSend");
        if (c.writeOnly)
            click("frmStart/frmSend/frmSendOptions/optECO");
        click("cmdRun");
        if (hadTmp)
            qputenv("TMPDIR", savedTmp);
        else
            qunsetenv("TMPDIR");
        std::string shown;
        for (const auto& message : dialogs.messages)
            shown += message;
        EXPECT_NE(shown.find(c.says), std::string::npos) << shown;
        if (c.expect == Expect::FileKept) {
            // Once PowerPCB answers again: the file holds exactly the pass's renames.
            ASSERT_TRUE(waitUntil([&] { return sim->state().layout.has_value(); }, 10000));
            const std::size_t open = shown.find("kept at \"") + 9;
            QFile kept(QString::fromStdString(shown.substr(open, shown.find('"', open) - open)));
            ASSERT_TRUE(kept.open(QIODevice::ReadOnly)) << shown;
            const auto headless = tools::runPass(state, {}).report;
            EXPECT_EQ(QString::fromLatin1(kept.readAll()), headless["eco"].toString());
            QDir(QFileInfo(kept).absolutePath()).removeRecursively();
        }
        const auto now = sim->state();
        EXPECT_EQ(namesOf(now.documents[0]) != namesOf(state.documents[0]),
                  c.expect != Expect::Unchanged);
        if (now.layout && c.expect == Expect::Unchanged) {
            EXPECT_EQ(now.layout->parts, state.layout->parts);
        }
        if (c.appendOnlyTemporaryFolder)
            std::system(("chattr -a '" + appendOnlyPath + "'").constData());
        launched = {};
        sim.reset();
    }
}

} // namespace
