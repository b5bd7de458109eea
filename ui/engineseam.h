#pragma once

// The one place where the window logic calls the engine. It hands the engine a PassRequest
// made when Run or Preview was pressed, and the ports: the pass's progress and stop, the view's
// message boxes and questions in the windows' words, the ECO step, and what start-up sets in
// the window.

#include "engine/hostsession.h"
#include "engine/numberingpass.h"
#include "engine/passports.h"
#include "engine/putbacklastpass.h"
#include "engine/startup.h"
#include "host/runningobjects.h"
#include "mainview.h"
#include "optionpanel.h"
#include "passchoice.h"
#include "passprogress.h"

#include <optional>
#include <string>

namespace sequate::ui {

class EngineSeam : private engine::StartupDisplay, private engine::UserDialogs {
public:
    EngineSeam(OptionPanel& options, MainView& view, engine::EcoHandOff& eco);

    // Old program: Form_Load and powerLogicApp_OpenDocument.
    engine::StartupOutcome startUp(host::RunningObjects& objects);
    engine::StartupOutcome takeUpOpenedDocument();
    // The renames kept go where the options now send an ECO file.
    void recoverUnfinishedPass();
    const engine::HostSession& session() const { return mSession; }
    // The progress port of every pass, which carries the user's request to stop.
    PassProgress& progress() { return mProgress; }

    // Run: settles a pass left unfinished first, then runs one; nothing when no pass ran.
    // Lets no exception out.
    std::optional<engine::PassResult> run(const PassRequest& request);
    // Reads and plans with nothing renamed.
    engine::PlanPreview preview(const PassRequest& request);
    // Runs the previewed plan only; a new plan comes back in the result when the schematic
    // changed since.
    std::optional<engine::PassResult> apply(const PassRequest& request,
                                            const engine::PassPlan& plan);
    // Pass > Put back the last pass, asked with its preview; nothing when it could not start.
    std::optional<engine::PutBackOutcome> putBackLastPass();

private:
    engine::PassPorts ports() { return {mProgress.port(), *this, mEco}; }

    // engine::StartupDisplay
    void keepOnTop(bool onTop) override { mView.keepOnTop(onTop); }
    void setCaption(const std::string& caption) override { mView.setCaption(caption); }
    void setStartText(const std::string& text) override;
    void clearAllComponentsOption() override;
    // engine::UserDialogs
    void showMessage(engine::MessageKind kind, const std::string& title,
                     const std::string& text) override {
        mView.showMessage({kind, title, text});
    }
    bool keepRenamesWithoutEco(const std::string& question) override;
    bool putBackUnfinishedPass(const engine::UnfinishedPass& pass) override;
    void tellOfRecovery(const engine::RecoveryMessage& message) override;

    engine::HostSession mSession;
    OptionPanel& mOptions;
    MainView& mView;
    engine::EcoHandOff& mEco;
    PassProgress mProgress{mView};
};

} // namespace sequate::ui
