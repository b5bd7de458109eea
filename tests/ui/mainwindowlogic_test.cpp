// The main window's sequence without a toolkit: Run and Preview against the in-memory
// PowerLogic, the report that follows, and a document opened while a pass holds the window.

#include "host/sim/simpowerlogic.h"
#include "host/sim/simrunningobjects.h"
#include "tests/support/privatedatafolder.h"
#include "ui/mainwindowlogic.h"

#include <functional>
#include <gtest/gtest.h>

namespace sequate::ui {
namespace {

class NullBar : public engine::ProgressBar {
public:
    long long minimum() const override { return 0; }
    long long maximum() const override { return 0; }
    long long value() const override { return 0; }
    void setMinimum(long long) override {}
    void setMaximum(long long) override {}
    void setValue(long long) override {}
};

// Remembers what a view was told to show; the ECO file is "written" by a callback.
class FakeView : public MainView, public engine::EcoHandOff {
public:
    std::string caption;
    std::vector<Message> messages;
    std::optional<PreviewText> preview; // nothing: closed
    PassReport report;
    int reportOpened = 0;
    std::function<void()> whileSaving;
    host::EcoOutcome saved = host::EcoOutcome::Delivered;
    bool defaultAnswer = true;
    std::vector<Question> questions;

    void keepOnTop(bool) override {}
    void setCaption(const std::string& text) override { caption = text; }
    void showOptions(const OptionPanel&) override {}
    engine::ProgressBar& progressBar() override { return mBar; }
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
    void endProgram(int) override {}

    host::EcoDelivery writeToChosenFile(const engine::EcoRows& rows) override {
        if (whileSaving)
            whileSaving();
        if (saved != host::EcoOutcome::Cancelled)
            rows.beforeHandOver("/tmp/amp.eco");
        return {saved, {}};
    }
    host::EcoDelivery handToPowerPcb(host::LogicApplication&, const engine::EcoRows&) override {
        return {};
    }
    std::string whyPowerPcbCannotTake() override { return {}; }

private:
    NullBar mBar;
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
        window.startTextEdited(start);
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
    EXPECT_EQ(desk.view.report.summary, "Pass of today: Sequate all components, start from 1\n2 "
                                        "components got a new name; 1 kept their names.\nECO "
                                        "file: /tmp/amp.eco");
    EXPECT_EQ(desk.view.report.endsInLetter, "U1A\r\n");
    EXPECT_EQ(desk.view.reportOpened, 1);
    EXPECT_TRUE(desk.view.messages.empty());
}

// Apply runs the plan shown; when the schematic changed since, it shows the new plan instead.
TEST(MainWindowLogic, PreviewRefusesABadStartAndApplyRunsOnlyThePlanShown) {
    Desk desk({document("amp.sch", {"R5", "R7"})});
    desk.choose({Control::selectedComponentsOption}, "0");
    desk.window.preview();
    EXPECT_EQ(desk.view.messages, (std::vector<Message>{{MessageKind::Refusal, "Error Message",
                                                         "Illegal value in Start textbox"}}));
    EXPECT_FALSE(desk.view.preview);

    desk.window.startTextEdited("3");
    desk.logic.selectOnly({0});
    desk.window.preview();
    ASSERT_TRUE(desk.view.preview);
    EXPECT_EQ(desk.view.preview->rows.front(), (NameRow{"R5", "R3", ""}));
    desk.logic.selectOnly({1});
    desk.window.apply();
    ASSERT_TRUE(desk.view.preview);
    EXPECT_EQ(desk.view.preview->rows.front(), (NameRow{"R7", "R3", ""}));
    EXPECT_EQ(desk.logic.openNames(), (std::vector<std::string>{"R5", "R7"}));
    desk.window.apply();
    EXPECT_FALSE(desk.view.preview);
    EXPECT_EQ(desk.logic.openNames(), (std::vector<std::string>{"R5", "R3"}));
    EXPECT_EQ(desk.view.reportOpened, 0);
}

// The default answer to Cancel in the save dialog undoes the renames, and so does Escape; the
// other keeps them.
TEST(MainWindowLogic, CancelInTheSaveDialogUndoesTheRenamesUnlessTheUserKeepsThem) {
    Desk desk({document("amp.sch", {"R5", "R7"})});
    desk.choose({Control::allComponentsOption, Control::sendEcoBox, Control::writeOnlyOption}, "1");
    desk.view.saved = host::EcoOutcome::Cancelled;
    desk.window.run();
    EXPECT_EQ(desk.logic.openNames(), (std::vector<std::string>{"R5", "R7"}));
    EXPECT_NE(desk.view.report.summary.find("\nThe pass stopped: No ECO file was written"),
              std::string::npos);
    ASSERT_EQ(desk.view.questions.size(), 1u);
    EXPECT_TRUE(desk.view.questions[0].escapeGivesDefault);
    desk.view.defaultAnswer = false;
    desk.window.run();
    EXPECT_EQ(desk.logic.openNames(), (std::vector<std::string>{"R1", "R2"}));
}

// Keeping what a cut-short pass left must be chosen knowingly: Escape puts it back.
TEST(MainWindowLogic, EscapePutsBackACutShortPass) {
    const Question question = putBackQuestion("The last pass was cut short.");
    EXPECT_EQ(question.defaultAnswer, "&Put back");
    EXPECT_TRUE(question.escapeGivesDefault);
}

} // namespace
} // namespace sequate::ui
