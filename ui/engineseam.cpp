#include "engineseam.h"

#include "engine/recovery.h"
#include "engine/runcommand.h"
#include "recoverytexts.h"

namespace sequate::ui {

EngineSeam::EngineSeam(OptionPanel& options, MainView& view, engine::EcoHandOff& eco)
    : mOptions(options), mView(view), mEco(eco) {}

engine::StartupOutcome EngineSeam::startUp(host::RunningObjects& objects) {
    return engine::startUp(mSession, *this, *this, objects);
}

engine::StartupOutcome EngineSeam::takeUpOpenedDocument() {
    return engine::takeUpOpenedDocument(mSession, *this, *this);
}

void EngineSeam::recoverUnfinishedPass() {
    engine::recoverUnfinishedPass(mSession, ports(), mOptions.eco());
}

std::optional<engine::PassResult> EngineSeam::run(const PassRequest& request) {
    return engine::pressRun(mSession, ports(), request);
}

engine::PlanPreview EngineSeam::preview(const PassRequest& request) {
    return engine::previewPass(mSession, ports(), request);
}

std::optional<engine::PassResult> EngineSeam::apply(const PassRequest& request,
                                                    const engine::PassPlan& plan) {
    try {
        return engine::runPass(mSession, ports(), request, &plan);
    } catch (const std::exception& problem) {
        mView.showMessage(passProblem(problem.what()));
    }
    return std::nullopt;
}

std::optional<engine::PutBackOutcome> EngineSeam::putBackLastPass() {
    try {
        return engine::putBackLastPass(mSession, ports(), [this](const std::string& preview) {
            return mView.ask(putBackLastPassQuestion(preview));
        });
    } catch (const std::exception& problem) {
        mView.showMessage(passProblem(problem.what()));
    }
    return std::nullopt;
}

void EngineSeam::setStartText(const std::string& text) {
    mOptions.setStartText(text);
    mView.showOptions(mOptions);
}

void EngineSeam::clearAllComponentsOption() {
    mOptions.clearAllComponents();
    mView.showOptions(mOptions);
}

bool EngineSeam::keepRenamesWithoutEco(const std::string& question) {
    return !mView.ask(keepRenamesWithoutEcoQuestion(question));
}

bool EngineSeam::putBackUnfinishedPass(const engine::UnfinishedPass& pass) {
    return mView.ask(putBackQuestion(unfinishedPassQuestion(pass)));
}

void EngineSeam::tellOfRecovery(const engine::RecoveryMessage& message) {
    mView.showMessage(recoveryMessage(message));
}

} // namespace sequate::ui
