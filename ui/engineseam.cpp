#include "engineseam.h"

#include "engine/recovery.h"
#include "engine/runcommand.h"
#include "hostfailuretexts.h"
#include "passmessages.h"
#include "putbacktexts.h"
#include "recoverytexts.h"

namespace sequate::ui {

EngineSeam::EngineSeam(OptionPanel& options, MainView& view, engine::EcoHandOff& eco)
    : mOptions(options), mView(view), mEco(eco) {}

// An unexpected problem ends start-up where it came, with the window as far as it was set up:
// Run then says that start-up did not complete.
engine::StartupOutcome EngineSeam::told(std::optional<engine::StartupOutcome> outcome,
                                        bool openedDocument) {
    if (!outcome)
        return engine::StartupOutcome::Running;
    if (*outcome != engine::StartupOutcome::Running)
        mView.showMessage(startupFailure(*outcome, openedDocument));
    return *outcome;
}

engine::StartupOutcome EngineSeam::startUp(host::RunningObjects& objects) {
    return told(
        guarded(Undertaking::StartUp, [&] { return engine::startUp(mSession, *this, objects); }),
        false);
}

engine::StartupOutcome EngineSeam::takeUpOpenedDocument() {
    return told(guarded(Undertaking::OpenedDocument,
                        [&] { return engine::takeUpOpenedDocument(mSession, *this); }),
                true);
}

void EngineSeam::recoverUnfinishedPass() {
    guarded(Undertaking::Pass,
            [&] { return engine::recoverUnfinishedPass(mSession, ports(), mOptions.eco()); });
}

// PowerLogic's pass has ended before the engine returns: no box waits while it is held.
std::optional<engine::PassOutcome> EngineSeam::told(std::optional<engine::PassOutcome> outcome) {
    if (outcome)
        for (const Message& message : passMessages(*outcome))
            mView.showMessage(message);
    return outcome;
}

std::optional<engine::PassOutcome> EngineSeam::run(const PassRequest& request) {
    std::optional<std::optional<engine::PassOutcome>> ran =
        guarded(Undertaking::Pass, [&] { return engine::pressRun(mSession, ports(), request); });
    return told(ran ? std::move(*ran) : std::nullopt);
}

std::optional<engine::PlanPreview> EngineSeam::preview(const PassRequest& request) {
    // The preview closes before the box tells why.
    return behindFirewall(
        Undertaking::Preview,
        [this](const Message& message) {
            mView.closePreview();
            mView.showMessage(message);
        },
        [&] { return engine::previewPass(mSession, ports(), request); });
}

std::optional<engine::PassOutcome> EngineSeam::apply(const PassRequest& request,
                                                     const engine::PassPlan& plan) {
    return told(guarded(Undertaking::Pass,
                        [&] { return engine::runPass(mSession, ports(), request, &plan); }));
}

std::optional<engine::PutBackOutcome> EngineSeam::putBackLastPass() {
    auto outcome = guarded(Undertaking::Pass, [&] {
        return engine::putBackLastPass(
            mSession, ports(),
            [this](const engine::PutBackPreview& preview) {
                return mView.ask(putBackLastPassQuestion(putBackPreviewText(preview)));
            },
            mOptions.eco());
    });
    if (outcome)
        if (const std::optional<Message> said = putBackMessage(*outcome))
            mView.showMessage(*said);
    return outcome;
}

void EngineSeam::setStartText(const std::string& text) {
    mOptions.setStartText(text);
    mView.showOptions(mOptions);
}

void EngineSeam::clearAllComponentsOption() {
    mOptions.clearAllComponents();
    mView.showOptions(mOptions);
}

bool EngineSeam::keepRenamesWithoutEco(engine::WithoutEcoFile renames) {
    return !mView.ask(keepRenamesWithoutEcoQuestion(renames));
}

bool EngineSeam::putBackUnfinishedPass(const engine::UnfinishedPass& pass) {
    return mView.ask(putBackQuestion(unfinishedPassQuestion(pass)));
}

void EngineSeam::tellOfPassLock(const engine::PassLockNews& news) {
    mView.showMessage({MessageKind::Failure, "Sequate", passLockText(news)});
}

void EngineSeam::tellOfRecovery(const engine::RecoveryMessage& message) {
    mView.showMessage(recoveryMessage(message));
}

} // namespace sequate::ui
