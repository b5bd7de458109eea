// Start-up and the documents PowerLogic opens while the program runs, seen from the window.

#include "windowfixture.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

namespace sequate::testing {
namespace {

using engine::MessageStyle;
using host::sim::DocumentData;

ShownMessage critical(const char* text) {
    return {MessageStyle::Critical, "Sequate", text};
}

struct RefusedStart {
    const char* what;
    bool powerLogicRunning;
    std::vector<DocumentData> documents;
    const char* message;
};

void PrintTo(const RefusedStart& c, std::ostream* out) {
    *out << c.what;
}

class RefusedStartTest : public WindowTest, public ::testing::WithParamInterface<RefusedStart> {};

TEST_P(RefusedStartTest, SaysWhyAndEndsWithoutShowingTheWindow) {
    const RefusedStart& c = GetParam();
    if (c.powerLogicRunning) {
        start(c.documents);
    } else {
        startWithoutPowerLogic();
    }
    EXPECT_EQ(launched.window, nullptr);
    EXPECT_EQ(launched.exitStatus, 1);
    EXPECT_EQ(dialogs.messages, std::vector<ShownMessage>{critical(c.message)});
}

INSTANTIATE_TEST_SUITE_P(
    StartUp, RefusedStartTest,
    ::testing::Values(
        RefusedStart{"NotRunning", false, {}, "Are you sure Powerlogic is running ? "},
        RefusedStart{"NoProject", true, {}, "You must load a project before running Sequate"},
        RefusedStart{"EmptyDocument",
                     true,
                     {document("empty.sch", {})},
                     "You must load a project before running Sequate"}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(WindowTest, OpensTopmostWithTheDocumentNameAndStartNumberOne) {
    start({document("amp.sch", {"R1", "C1", "R2"})});
    ASSERT_NE(launched.window, nullptr);
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(window().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(window().windowTitle(), "Sequate amp.sch");
    EXPECT_EQ(child<QLineEdit>("frmStart/txtStart")->text(), "1");
    EXPECT_FALSE(child<QRadioButton>("frmStart/optStart")->isChecked());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(window().state().workList->Count(), 3);
}

TEST_F(WindowTest, DocumentNeverSavedGivesTheBareCaption) {
    start({document("", {"R1"})});
    EXPECT_EQ(window().windowTitle(), "Sequate ");
}

struct SelectionAtStart {
    std::vector<std::size_t> selected;
    std::int32_t workListCount;
};

void PrintTo(const SelectionAtStart& c, std::ostream* out) {
    *out << c.selected.size() << " selected";
}

class SelectionAtStartTest : public WindowTest,
                             public ::testing::WithParamInterface<SelectionAtStart> {};

// Two or more selected: the pass reads the selection; otherwise every component.
TEST_P(SelectionAtStartTest, ChoosesTheFirstWorkingList) {
    start({document("amp.sch", {"R1", "R2", "R3", "R4"}, GetParam().selected)});
    EXPECT_EQ(window().state().workList->Count(), GetParam().workListCount);
}

INSTANTIATE_TEST_SUITE_P(StartUp, SelectionAtStartTest,
                         ::testing::Values(SelectionAtStart{{}, 4}, SelectionAtStart{{2}, 4},
                                           SelectionAtStart{{1, 3}, 2},
                                           SelectionAtStart{{0, 1, 3}, 3}));

// A failure other than "no project" leaves the window as far as start-up got.
TEST_F(WindowTest, OtherHostFailureAtStartUpOpensTheWindowUntouched) {
    hosts = std::make_unique<SimHosts>(std::vector<DocumentData>{document("amp.sch", {"R1"})});
    hosts->logic.failCall(1, host::HostCode::Failed);
    launched = app::launch(
        std::make_unique<host::sim::SimRunningObjects>(&hosts->logic, &hosts->pcb), dialogs);
    ASSERT_NE(launched.window, nullptr);
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(window().windowTitle(), "Sequate 1.4");
    EXPECT_EQ(child<QLineEdit>("frmStart/txtStart")->text(), "");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(WindowTest, AnotherDocumentOpenedChangesCaptionAndClearsOnlyTheAllOption) {
    start({document("amp.sch", {"R1", "R2"}), document("psu.sch", {"C1", "C2", "C3"})});
    click("frmStart/optStart");
    click("chkSend");
    hosts->logic.openDocument(1);
    hosts->logic.processEvents();
    EXPECT_EQ(window().windowTitle(), "Quillaron psu.sch");
    EXPECT_FALSE(child<QRadioButton>("frmStart/optStart")->isChecked());
    EXPECT_TRUE(child<QLineEdit>("frmStart/txtStart")->isEnabled());
    EXPECT_TRUE(child<QRadioButton>("frmSendOptions/optECO")->isEnabled());
    EXPECT_EQ(window().state().workList->Count(), 3);

    click("frmStart/optSelected");
    hosts->logic.openDocument(0);
    hosts->logic.processEvents();
    EXPECT_EQ(window().windowTitle(), "Quillaron amp.sch");
    EXPECT_TRUE(child<QRadioButton>("frmStart/optSelected")->isChecked());
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(WindowTest, CaptionIsTheProgramsNameUntilStartUpHasRun) {
    hosts = std::make_unique<SimHosts>(std::vector<DocumentData>{document("amp.sch", {"R1"})});
    app::MainWindow created(
        std::make_unique<host::sim::SimRunningObjects>(&hosts->logic, &hosts->pcb), dialogs);
    EXPECT_EQ(created.windowTitle(), "Sequate 1.4");
    EXPECT_FALSE(created.isVisible());
    EXPECT_EQ(getChild<QLineEdit>(created, "txtStart")->text(), "");
    created.startUp();
    EXPECT_FALSE(created.isVisible()); // shown by the caller once start-up is through
    EXPECT_EQ(created.windowTitle(), "Sequate amp.sch");
}

// The handler's first caption has no blank; the one at its end has.
TEST_F(WindowTest, OpenedDocumentCaptionsInTheirOrder) {
    start({document("amp.sch", {"R1"}), document("psu.sch", {"C1"})});
    QStringList captions;
    hosts->logic.setCallObserver([&](const std::string&) {
        if (captions.isEmpty() || captions.back() != window().windowTitle()) {
            captions << window().windowTitle();
        }
    });
    hosts->logic.openDocument(1);
    hosts->logic.processEvents();
    hosts->logic.setCallObserver({});
    captions << window().windowTitle();
    captions.removeDuplicates();
    EXPECT_EQ(captions, (QStringList{"Sequate amp.sch", "Quillaronpsu.sch", "Quillaron psu.sch"}));
}

// A notification that arrives while a pass holds the window (here: while its file dialog is
// open) is handled once the pass is over, never in the middle of it.
TEST_F(WindowTest, DocumentOpenedDuringAPassIsTakenUpAfterIt) {
    start({document("amp.sch", {"R5", "R7"}), document("psu.sch", {"C1"})});
    click("optStart");
    click("chkSend");
    click("optECO");
    QString captionDuringPass;
    dialogs.whileFileDialogOpen = [&] {
        window().OpenDocument(nullptr);
        captionDuringPass = window().windowTitle();
    };
    run();
    EXPECT_EQ(captionDuringPass, "Sequate amp.sch");
    EXPECT_EQ(window().windowTitle(), "Quillaron amp.sch");
    EXPECT_FALSE(child<QRadioButton>("optStart")->isChecked());
}

TEST_F(WindowTest, AnotherDocumentWithoutComponentsEndsTheProgram) {
    start({document("amp.sch", {"R1"}), document("empty.sch", {})});
    QSignalSpy ended(&window(), &app::MainWindow::programEnd);
    hosts->logic.openDocument(1);
    hosts->logic.processEvents();
    EXPECT_EQ(dialogs.messages,
              std::vector<ShownMessage>{critical("There is no componets in project")});
    ASSERT_EQ(ended.count(), 1);
    EXPECT_EQ(ended.front().front().toInt(), 1);
    EXPECT_FALSE(window().isVisible());
}

struct Ending {
    const char* what;
    std::function<void(app::MainWindow&)> end;
};

void PrintTo(const Ending& c, std::ostream* out) {
    *out << c.what;
}

class EndingTest : public WindowTest, public ::testing::WithParamInterface<Ending> {};

// The report window and the about box go with the main window, and the status is 0.
TEST_P(EndingTest, EndsWithStatusZeroAndClosesEveryWindow) {
    start({document("amp.sch", {"R1", "U1A"})});
    QSignalSpy ended(&window(), &app::MainWindow::programEnd);
    click("frmStart/optStart");
    run();
    child<QAction>("mnuAbout")->trigger();
    ASSERT_TRUE(child("frmNotChanged")->isVisible());
    ASSERT_TRUE(child("frmAbout")->isVisible());

    GetParam().end(window());
    ASSERT_EQ(ended.count(), 1);
    EXPECT_EQ(ended.front().front().toInt(), 0);
    EXPECT_FALSE(window().isVisible());
    EXPECT_FALSE(child("frmNotChanged")->isVisible());
    EXPECT_FALSE(child("frmAbout")->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Window, EndingTest,
    ::testing::Values(Ending{"EndButton",
                             [](app::MainWindow& w) {
                                 QTest::mouseClick(getChild<QPushButton>(w, "cmdEnd"),
                                                   Qt::LeftButton);
                             }},
                      Ending{"WindowFrame", [](app::MainWindow& w) { w.close(); }}),
    [](const auto& info) { return std::string(info.param.what); });

} // namespace
} // namespace sequate::testing
