#pragma once

// The one place where the window logic calls the engine. The engine still takes a window
// (engine::FormWindow) and reads a pass's options from it; this seam answers those reads from
// the choice made when Run or Preview was pressed, never from the controls, and hands the
// engine's messages, questions and ECO step on to the view. When the engine takes a request
// value and narrow ports instead, only this file and its header change.

#include "ecostep.h"
#include "engine/formwindow.h"
#include "engine/hostsession.h"
#include "engine/numberingpass.h"
#include "engine/startup.h"
#include "host/runningobjects.h"
#include "mainview.h"
#include "optionpanel.h"
#include "passchoice.h"

#include <optional>
#include <string>

namespace sequate::ui {

struct PassOutcome {
    std::optional<engine::PassResult> result; // nothing: no pass was started
    std::string ecoWent;                      // where the ECO file went, in the report's words
    bool openReport = false;                  // the engine asked to show the report window
};

class EngineSeam : private engine::FormWindow {
public:
    EngineSeam(OptionPanel& options, MainView& view, EcoStep& eco);

    // Old program: Form_Load and powerLogicApp_OpenDocument.
    engine::StartupOutcome startUp(host::RunningObjects& objects);
    engine::StartupOutcome takeUpOpenedDocument();
    void recoverUnfinishedPass();
    const engine::HostSession& session() const { return mSession; }

    // Run: settles a pass left unfinished first, then runs one. Lets no exception out.
    PassOutcome run(const PassChoice& choice);
    // Reads and plans with nothing renamed.
    engine::PlanPreview preview(const PassChoice& choice);
    // Runs the previewed plan only; a new plan comes back in the result when the schematic
    // changed since.
    PassOutcome apply(const PassChoice& choice, const engine::PassPlan& plan);

private:
    void begin(const PassChoice& choice);

    // engine::FormWindow
    void keepOnTop(bool onTop) override { mView.keepOnTop(onTop); }
    void setCaption(const std::string& caption) override { mView.setCaption(caption); }
    void setStartText(const std::string& text) override;
    void deselectOptStart() override;
    bool optStart() const override;
    bool optSelected() const override;
    bool optAssign() const override;
    bool optDuplicate() const override;
    bool chkSend() const override { return mChoice.eco.has_value(); }
    bool optECO() const override { return mChoice.eco == EcoTarget::WriteOnly; }
    bool optDirect() const override { return mChoice.eco == EcoTarget::ForceRead; }
    std::string startText() const override { return std::to_string(mChoice.start); }
    engine::ProgressBar& progressBar() override { return mView.progressBar(); }
    // The report's list of names kept is built from the pass's result.
    void appendToReport(const std::string&) override {}
    void showReport() override { mOpenReport = true; }
    host::EcoDelivery writeEcoFile(const engine::EcoRows& rows) override;
    host::EcoDelivery sendEcoToLayout(host::LogicApplication& powerLogic,
                                      const engine::EcoRows& rows) override;
    std::string layoutUnreachable() override { return mEco.layoutUnreachable(); }
    bool keepRenamesWithoutEco(const std::string& question) override;
    bool putBackUnfinishedPass(const std::string& question) override;
    void showMessage(engine::MessageStyle style, const std::string& title,
                     const std::string& text) override;

    engine::HostSession mSession;
    OptionPanel& mOptions;
    MainView& mView;
    EcoStep& mEco;
    PassChoice mChoice; // of the pass under way
    std::string mEcoWent;
    bool mOpenReport = false;
};

} // namespace sequate::ui
