#pragma once

// The one place where the window logic calls the engine. It hands the engine a PassRequest
// made when Run or Preview was pressed, and the ports: the pass's progress and stop, the view's
// message boxes and questions in the windows' words, the ECO step, and what start-up sets in
// the window. What the engine returns it tells in the windows' words, and every call goes
// through the one firewall (firewall.h).

#include "engine/hostsession.h"
#include "engine/numberingpass.h"
#include "engine/passports.h"
#include "engine/putbacklastpass.h"
#include "engine/startup.h"
#include "firewall.h"
#include "host/runningobjects.h"
#include "mainview.h"
#include "optionpanel.h"
#include "passchoice.h"
#include "passprogress.h"

#include <optional>
#include <string>
#include <utility>

namespace sequate::ui {

class EngineSeam : private engine::StartupDisplay, private engine::UserDialogs {
public:
    EngineSeam(OptionPanel& options, MainView& view, engine::EcoHandOff& eco);

    // Old program: Form_Load and powerLogicApp_OpenDocument. A failure that ends the program
    // is told; an unexpected problem is told, and leaves the window as far as it was set up.
    engine::StartupOutcome startUp(host::RunningObjects& objects);
    engine::StartupOutcome takeUpOpenedDocument();
    // The renames kept go where the options now send an ECO file.
    void recoverUnfinishedPass();
    const engine::HostSession& session() const { return mSession; }
    // The progress port of every pass, which carries the user's request to stop.
    PassProgress& progress() { return mProgress; }

    // Run: settles a pass left unfinished first, then runs one, and tells how it ended;
    // nothing when no pass ran.
    std::optional<engine::PassOutcome> run(const PassRequest& request);
    // Reads and plans with nothing renamed; nothing, with the preview closed, after an
    // unexpected problem.
    std::optional<engine::PlanPreview> preview(const PassRequest& request);
    // Runs the previewed plan only, and tells how it ended; the outcome is a changed plan when
    // the schematic changed since.
    std::optional<engine::PassOutcome> apply(const PassRequest& request,
                                             const engine::PassPlan& plan);
    // Pass > Put back the last pass, asked with its preview; nothing when it could not start.
    std::optional<engine::PutBackOutcome> putBackLastPass();

private:
    engine::PassPorts ports() { return {mProgress.port(), *this, mEco}; }
    // `work` behind the firewall, told as `undertaking` when an exception comes out of it.
    template <typename Work>
    auto guarded(Undertaking undertaking, Work&& work) {
        return behindFirewall(
            undertaking, [this](const Message& m) { mView.showMessage(m); },
            std::forward<Work>(work));
    }
    engine::StartupOutcome told(std::optional<engine::StartupOutcome> outcome, bool openedDocument);
    std::optional<engine::PassOutcome> told(std::optional<engine::PassOutcome> outcome);

    // engine::StartupDisplay
    void keepOnTop(bool onTop) override { mView.keepOnTop(onTop); }
    void showDocument(engine::DocumentCaption moment, const std::string& document) override {
        mView.setCaption(documentCaption(moment, document));
    }
    void setStartText(const std::string& text) override;
    void clearAllComponentsOption() override;
    // engine::UserDialogs
    void showMessage(engine::MessageKind kind, const std::string& title,
                     const std::string& text) override {
        mView.showMessage({kind, title, text});
    }
    bool keepRenamesWithoutEco(engine::WithoutEcoFile renames) override;
    bool putBackUnfinishedPass(const engine::UnfinishedPass& pass) override;
    void tellOfRecovery(const engine::RecoveryMessage& message) override;
    void tellOfPassLock(const engine::PassLockNews& news) override;

    engine::HostSession mSession;
    OptionPanel& mOptions;
    MainView& mView;
    engine::EcoHandOff& mEco;
    PassProgress mProgress{mView};
};

} // namespace sequate::ui
