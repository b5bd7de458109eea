// The main window's sequence without a toolkit: Run and Preview against the in-memory
// PowerLogic, the account and the report that follow, a document opened while a pass holds the
// window, and End during a pass.

#include "eco/ecostep.h"
#include "engine/headlesswindow.h"
#include "fakesavedialog.h"
#include "host/sim/simpowerlogic.h"
#include "host/sim/simrunningobjects.h"
#include "tests/support/ecogolden.h"
#include "tests/support/privatedatafolder.h"
#include "ui/ecotexts.h"
#include "ui/mainwindowlogic.h"

#include <functional>
#include <gtest/gtest.h>

namespace sequate::ui {
namespace {

// Remembers what a view was told to show; the ECO file is "written" by a callback.
class FakeView : public MainView, public engine::EcoHandOff, public SettingsStore {
public:
    std::string caption;
    std::vector<Message> messages;
    std::optional<PreviewText> preview; // nothing: closed
    PassReport report;
    int reportOpened = 0;
    int reportBroughtToFront = 0;
    std::string account;
    std::vector<bool> passRunning;         // each showPassRunning
    int responses = 0;                     // the bar drawn, a step at a time
    std::function<void(int)> whileRunning; // with the count of responses so far
    std::function<void()> whileSaving;
    host::EcoOutcome saved = host::EcoOutcome::Delivered;
    bool defaultAnswer = true;
    std::vector<Question> questions;
    std::optional<Control> focused = Control::runButton;
    std::optional<Control> retyping;   // the box whose text was refused
    std::vector<std::string> accounts; // each line shown while a pass holds the window

    void keepOnTop(bool) override {}
    void setCaption(const std::string& text) override { caption = text; }
    void showOptions(const OptionPanel&) override {}
    void showProgress(BarPosition) override {
        if (whileRunning)
            whileRunning(++responses);
    }
    void handleWaitingEvents() override {}
    void showPassRunning(bool running) override { passRunning.push_back(running); }
    void showAccount(const std::string& line) override {
        account = line;
        if (!passRunning.empty() && passRunning.back())
            accounts.push_back(line);
    }
    std::optional<Control> focusedControl() override { return focused; }
    void focus(std::optional<Control> control) override { focused = control; }
    void focusToRetype(Control box) override { focused = retyping = box; }
    void bringReportToFront() override { ++reportBroughtToFront; }
    void showMessage(const Message& message) override { messages.push_back(message); }
    bool ask(const Question& question) override {
        questions.push_back(question);
        return defaultAnswer;
    }
    void showReport(const PassReport& shown, bool open) override {
        report = shown;
        reportOpened += open;
    }
    void showPreview(const PreviewText& text) override { preview = text; }
    void closePreview() override { preview.reset(); }
    std::string localTime() override { return "today"; }
    SettingsStore& settings() override { return *this; }
    std::optional<std::string> read(const std::string&) const override { return {}; }
    void write(const std::string&, const std::string&) override {}
    ScreenRect windowFrame() override { return {}; }
    std::vector<ScreenRect> screenAreas() override { return {}; }
    void moveWindow(ScreenPoint) override {}
    void endProgram(int) override {}

    host::EcoDelivery writeToChosenFile(const engine::EcoRows& rows) override {
        if (whileSaving)
            whileSaving();
        if (saved != host::EcoOutcome::Cancelled)
            rows.beforeHandOver("/tmp/amp.eco");
        return {saved, {}};
    }
    host::EcoDelivery handToPowerPcb(host::LogicApplication&, const engine::EcoRows&) override {
        return {host::EcoOutcome::Delivered};
    }
    std::string whyPowerPcbCannotTake() override { return {}; }
};

host::sim::DocumentData document(std::string name, std::vector<std::string> parts) {
    host::sim::DocumentData doc{std::move(name), {}};
    for (std::size_t i = 0; i < parts.size(); ++i)
        doc.components.push_back({parts[i], false, {{100.0 * static_cast<double>(i), 0.0}}});
    return doc;
}

struct Desk {
    host::sim::SimPowerLogic logic;
    host::sim::SimRunningObjects objects{&logic, nullptr};
    FakeView view;
    MainWindowLogic window{view, view};

    explicit Desk(std::vector<host::sim::DocumentData> documents) : logic(std::move(documents)) {
        window.startUp(objects);
    }
    void choose(std::vector<Control> clicks, const std::string& start) {
        for (Control control : clicks)
            window.click(control);
        window.textEdited(Control::startBox, start);
    }
};

TEST(MainWindowLogic, DocumentOpenedDuringAPassIsTakenUpAfterItAndTheReportFollows) {
    Desk desk({document("amp.sch", {"R5", "R7", "U1A"}), document("psu.sch", {"C1"})});
    desk.choose({Control::allComponentsOption, Control::sendEcoBox, Control::writeOnlyOption}, "1");
    std::string captionDuringPass;
    desk.view.whileSaving = [&] {
        desk.window.OpenDocument(nullptr);
        captionDuringPass = desk.view.caption;
    };
    desk.window.run();
    EXPECT_EQ(desk.logic.openNames(), (std::vector<std::string>{"R1", "R2", "U1A"}));
    EXPECT_EQ(captionDuringPass, "Sequate amp.sch");
    EXPECT_EQ(desk.view.caption, "Quillaron amp.sch");
    EXPECT_FALSE(desk.window.options().chosen(Control::allComponentsOption));
    EXPECT_TRUE(desk.view.report.summary.starts_with("Pass of today: ") &&
                desk.view.report.summary.ends_with("\nECO file: /tmp/amp.eco"));
    EXPECT_EQ(desk.view.reportOpened, 1);
    EXPECT_EQ(desk.view.account,
              "2 renamed, 1 not numbered (ending in a letter), ECO file written to amp.eco");
    EXPECT_EQ(desk.view.passRunning, (std::vector<bool>{true, false}));
    // The line says each phase and its count as the pass goes, never the pass before.
    EXPECT_EQ(
        desk.view.accounts,
        (std::vector<std::string>{"Reading 0 of 3 components", "Reading 1 of 3 components",
                                  "Reading 2 of 3 components", "Reading 3 of 3 components",
                                  "Renaming 0 of 2", "Renaming 1 of 2", "Renaming 2 of 2", ""}));
    EXPECT_TRUE(desk.view.messages.empty());
    desk.window.openReport();
    EXPECT_EQ(desk.view.reportBroughtToFront, 1);
}

// End during a pass asks whether to stop it: "Stop the pass" puts every name back (where in
// a pass is the engine's to test), "Go on" lets it complete, and a stop asked during the ECO
// step comes too late. The window responds 4 times during the read of three names, then after
// each step of the renames. The keyboard is on the window itself during the pass, and back on
// the start box after it.
TEST(MainWindowLogic, EndDuringAPassAsksWhetherToStopIt) {
    const std::vector<std::string> before{"R5", "R7", "U1A"}, after{"R1", "R2", "U1A"};
    const char* completed =
        "2 renamed, 1 not numbered (ending in a letter), ECO file written to amp.eco";
    const struct {
        int atResponse; // 0: during the ECO step
        bool stop;
        std::vector<std::string> names;
        const char* account;
    } cases[] = {
        {6, true, before, "Nothing changed: the pass was stopped and every name is as it was"},
        {6, false, after, completed},
        {0, true, after, completed},
    };
    for (const auto& c : cases) {
        Desk desk({document("amp.sch", {"R5", "R7", "U1A"})});
        desk.choose({Control::allComponentsOption, Control::sendEcoBox, Control::writeOnlyOption},
                    "1");
        desk.view.defaultAnswer = !c.stop;
        bool ended = true;
        desk.view.focused = Control::startBox;
        std::optional<Control> focusDuringPass = Control::startBox;
        const auto pressEnd = [&] {
            focusDuringPass = desk.view.focused;
            ended = desk.window.end();
        };
        desk.view.whileRunning = [&](int response) {
            if (response == c.atResponse)
                pressEnd();
        };
        if (c.atResponse == 0)
            desk.view.whileSaving = pressEnd;
        desk.window.run();
        SCOPED_TRACE(c.atResponse);
        EXPECT_FALSE(ended);
        ASSERT_EQ(desk.view.questions.size(), 1u);
        EXPECT_EQ(desk.view.questions[0].text, stopPassQuestion().text);
        EXPECT_EQ(desk.logic.openNames(), c.names);
        EXPECT_EQ(desk.view.messages.size(), c.names == before ? 1u : 0u); // the stop's box
        EXPECT_EQ(desk.view.account, c.account);
        EXPECT_FALSE(desk.window.passRunning());
        EXPECT_EQ(focusDuringPass, std::nullopt);
        EXPECT_EQ(desk.view.focused, Control::startBox);
    }
    // Without a pass, Escape does nothing and End ends the program.
    Desk idle({document("amp.sch", {"R5"})});
    idle.window.escape();
    EXPECT_TRUE(idle.window.end());
    EXPECT_TRUE(idle.view.questions.empty());
}

// Apply runs the plan shown; when the schematic changed since, it shows the new plan instead.
TEST(MainWindowLogic, PreviewRefusesABadStartAndApplyRunsOnlyThePlanShown) {
    Desk desk({document("amp.sch", {"R5", "R7"})});
    desk.choose({Control::selectedComponentsOption}, "0");
    desk.window.preview();
    EXPECT_EQ(desk.view.messages.at(0).kind, MessageKind::Refusal);
    EXPECT_FALSE(desk.view.preview);

    desk.window.textEdited(Control::startBox, "3");
    desk.logic.selectOnly({0});
    desk.window.preview();
    ASSERT_TRUE(desk.view.preview);
    EXPECT_EQ(desk.view.preview->rows.front(), (NameRow{"R5", "R3", ""}));
    desk.logic.selectOnly({1});
    desk.window.apply();
    ASSERT_TRUE(desk.view.preview);
    EXPECT_EQ(desk.view.preview->rows.front(), (NameRow{"R7", "R3", ""}));
    EXPECT_EQ(desk.view.preview->summary.rfind("The schematic changed since the preview", 0), 0u);
    EXPECT_EQ(desk.view.report.summary, PassReport().summary); // no pass was made
    EXPECT_EQ(desk.logic.openNames(), (std::vector<std::string>{"R5", "R7"}));
    desk.window.apply();
    EXPECT_FALSE(desk.view.preview);
    EXPECT_EQ(desk.logic.openNames(), (std::vector<std::string>{"R5", "R3"}));
    EXPECT_EQ(desk.view.reportOpened, 0);
}

// Save as ECO file in the preview writes, byte for byte, the file Apply then writes with "Write
// only", through the same dialog and file type, offered under a name that marks it a plan; it
// renames nothing and leaves the preview open.
TEST(MainWindowLogic, PlanSavedFromThePreviewIsTheFileThePassWrites) {
    const auto folder = emptyFolder("plan");
    host::sim::SimPowerLogic logic({document("amp.rev2.sch", {"R2", "R1", "C5"})});
    host::sim::SimRunningObjects objects{&logic, nullptr};
    FakeView view;
    FakeSaveDialog dialog;
    eco::EcoStep step(objects, dialog, ecoProblemText);
    MainWindowLogic window(view, step);
    window.startUp(objects);
    for (Control control :
         {Control::allComponentsOption, Control::sendEcoBox, Control::writeOnlyOption})
        window.click(control);
    window.preview();
    dialog.answer = (folder / "plan.eco").string();
    window.savePlanAsEco(dialog);
    EXPECT_EQ(logic.openNames(), (std::vector<std::string>{"R2", "R1", "C5"}));
    EXPECT_TRUE(view.preview);
    dialog.answer = (folder / "pass.eco").string();
    window.apply();
    EXPECT_EQ(fileBytes(folder / "plan.eco"), eco::test::golden("swapplan.eco"));
    EXPECT_EQ(fileBytes(folder / "pass.eco"), eco::test::golden("swapplan.eco"));
    EXPECT_EQ(dialog.asked, (std::vector<std::string>{"ECO files (*.eco) |*.eco| | amp-plan.eco",
                                                      "ECO files (*.eco) |*.eco| | "}));
    EXPECT_TRUE(view.messages.empty() && dialog.messages.empty());
}

// The default answer to Cancel in the save dialog undoes the renames, and so does Escape; the
// other keeps them. What the account and the report then say is passtexts' table.
TEST(MainWindowLogic, CancelInTheSaveDialogUndoesTheRenamesUnlessTheUserKeepsThem) {
    Desk desk({document("amp.sch", {"R5", "R7"})});
    desk.choose({Control::allComponentsOption, Control::sendEcoBox, Control::writeOnlyOption}, "1");
    desk.view.saved = host::EcoOutcome::Cancelled;
    desk.window.run();
    EXPECT_EQ(desk.logic.openNames(), (std::vector<std::string>{"R5", "R7"}));
    EXPECT_EQ(desk.view.accounts.end()[-2], "Putting back 2 of 2");
    ASSERT_EQ(desk.view.questions.size(), 1u);
    EXPECT_TRUE(desk.view.questions[0].escapeGivesDefault);
    desk.view.defaultAnswer = false;
    desk.window.run();
    EXPECT_EQ(desk.logic.openNames(), (std::vector<std::string>{"R1", "R2"}));
}

// Renames kept from a pass that was cut short, whose file went nowhere, are told on the account
// line; the next Run says it writes their file first, then runs the pass asked for.
TEST(MainWindowLogic, TheAccountLineTellsOfKeptRenamesWaitingForTheirEcoFile) {
    Desk desk({document("kept.sch", {"R5", "R7", "C4"})});
    desk.choose({Control::allComponentsOption, Control::sendEcoBox, Control::writeOnlyOption}, "1");
    struct Crash {};
    int calls = 0;
    desk.logic.setCallObserver([&](const std::string& call) {
        if (call == "LogicComponent.SetName" && ++calls == 2)
            throw Crash{};
    });
    desk.window.run();
    desk.logic.setCallObserver({});

    desk.view.defaultAnswer = false; // keep the renames
    desk.view.saved = host::EcoOutcome::NotDelivered;
    desk.window.recoverUnfinishedPass();
    EXPECT_EQ(desk.view.account, "1 rename kept from the pass that was cut short waits for its "
                                 "ECO file: Run writes it first");

    desk.view.saved = host::EcoOutcome::Delivered;
    std::vector<std::string> saidWhileSaving;
    desk.view.whileSaving = [&] { saidWhileSaving.push_back(desk.view.account); };
    desk.window.run();
    EXPECT_EQ(saidWhileSaving.at(0),
              "Writing the ECO file of the renames kept from the pass that was cut short");
    EXPECT_TRUE(desk.view.account.ends_with(" renamed, ECO file written to amp.eco"))
        << desk.view.account;
    EXPECT_EQ(desk.logic.openNames(), (std::vector<std::string>{"R1", "R2", "C1"}));
}

// PowerLogic closed and started again: Run works in the new one, and the documents it opens
// are followed.
TEST(MainWindowLogic, RunFindsPowerLogicAgainAndFollowsItsDocuments) {
    host::sim::SimPowerLogic first({document("amp.sch", {"R5"})});
    host::sim::SimPowerLogic second({document("psu.sch", {"C7"}), document("amp.sch", {"R9"})});
    host::sim::SimPowerLogic* running = &first;
    struct Table : host::RunningObjects {
        host::sim::SimPowerLogic** running;
        std::shared_ptr<host::LogicApplication> attachPowerLogic() override {
            return (*running)->application();
        }
        std::shared_ptr<host::PcbApplication> attachPowerPcb() override { return nullptr; }
    } table;
    table.running = &running;
    FakeView view;
    MainWindowLogic window(view, view);
    window.startUp(table);
    window.click(Control::allComponentsOption);

    first.planFault(1, host::sim::CallFault::Fails, host::HostCode::ServerUnavailable);
    running = &second;
    window.run();
    EXPECT_EQ(second.openNames(), (std::vector<std::string>{"C1"}));
    EXPECT_EQ(view.caption, "Sequate psu.sch");
    EXPECT_TRUE(view.messages.empty());

    second.openDocument(1);
    second.processEvents();
    EXPECT_EQ(view.caption, "Quillaron amp.sch");
}

// A failure that ends the program is told before it ends.
TEST(MainWindowLogic, AStartUpThatEndsTheProgramSaysWhy) {
    Desk desk({document("amp.sch", {})});
    ASSERT_EQ(desk.view.messages.size(), 1u);
    EXPECT_EQ(desk.view.messages[0].text, "You must load a project before running Sequate");
}

// Each question's default answer, which Enter and Escape give, is the one that cannot lose
// what the user has: a cut-short pass is put back, a running pass goes on, no renames are kept
// without an ECO file.
TEST(DialogTexts, DefaultAnswers) {
    const struct {
        Question question;
        const char* defaultAnswer;
    } questions[] = {{putBackQuestion("cut short"), "&Put back"},
                     {stopPassQuestion(), "&Go on"},
                     {keepRenamesWithoutEcoQuestion(engine::WithoutEcoFile::PassRenames),
                      "&Put the names back"}};
    for (const auto& q : questions) {
        EXPECT_EQ(q.question.defaultAnswer, q.defaultAnswer);
        EXPECT_TRUE(q.question.escapeGivesDefault) << q.defaultAnswer;
    }
}

// After a pass the keyboard goes back where it was if that control can take it, else to Run;
// End keeps it only where the user put it.
TEST(MainWindowLogic, KeyboardReturnsAfterAPassToALiveControlNeverToEndByItself) {
    for (const std::vector<Control>& clicks :
         {std::vector<Control>{}, {Control::selectedComponentsOption, Control::sendEcoBox}}) {
        OptionPanel options;
        for (Control control : clicks)
            options.click(control);
        EXPECT_EQ(focusAfterPass(std::nullopt, options), defaultButton);
        EXPECT_EQ(focusAfterPass(Control::accountLine, options), defaultButton);
        for (Control before : mainWindowTabOrder()) {
            const Control after = focusAfterPass(before, options);
            EXPECT_EQ(after, options.enabled(before) ? before : defaultButton)
                << placeOf(before).objectName;
            EXPECT_TRUE(after != Control::endButton || before == Control::endButton);
        }
    }
}

// Nor does a click leave the keyboard on a control it greys.
TEST(MainWindowLogic, AClickThatGreysTheFocusedControlTakesTheKeyboard) {
    Desk desk({document("amp.sch", {"R5"})});
    desk.window.click(Control::selectedComponentsOption);
    desk.view.focused = Control::renameDuplicatesOption;
    desk.window.click(Control::allComponentsOption);
    EXPECT_EQ(desk.view.focused, Control::allComponentsOption);
}

// A refused box takes the keyboard, its text selected to be typed over; nothing is renamed.
TEST(MainWindowLogic, ARefusedTextIsGivenBackToItsBoxToRetype) {
    Desk desk({document("amp.sch", {"R5"})});
    desk.choose({Control::allComponentsOption}, "1");
    desk.window.textEdited(Control::leaveAloneBox, "R*, 5*");
    desk.window.run();
    EXPECT_EQ(desk.view.messages.at(0).title, "Leave alone");
    EXPECT_EQ(desk.view.retyping, Control::leaveAloneBox);
    EXPECT_TRUE(desk.view.passRunning.empty());
    EXPECT_EQ(desk.logic.openNames(), (std::vector<std::string>{"R5"}));
}

} // namespace
} // namespace sequate::ui
