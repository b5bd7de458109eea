#include "engineseam.h"

#include "engine/recovery.h"
#include "engine/runcommand.h"

namespace sequate::ui {

EngineSeam::EngineSeam(OptionPanel& options, MainView& view, EcoStep& eco)
    : mOptions(options), mView(view), mEco(eco) {}

engine::StartupOutcome EngineSeam::startUp(host::RunningObjects& objects) {
    return engine::startUp(mSession, *this, objects);
}

engine::StartupOutcome EngineSeam::takeUpOpenedDocument() {
    return engine::takeUpOpenedDocument(mSession, *this);
}

void EngineSeam::recoverUnfinishedPass() {
    engine::recoverUnfinishedPass(mSession, *this);
}

void EngineSeam::begin(const PassChoice& choice) {
    mChoice = choice;
    mEcoWent = ecoNotWritten;
    mOpenReport = false;
}

PassOutcome EngineSeam::run(const PassChoice& choice) {
    begin(choice);
    // The start number was checked when the choice was made; pressRun checks it again.
    std::optional<engine::PassResult> result = engine::pressRun(mSession, *this);
    return {std::move(result), mEcoWent, mOpenReport};
}

engine::PlanPreview EngineSeam::preview(const PassChoice& choice) {
    begin(choice);
    return engine::previewPass(mSession, *this, choice.scope);
}

PassOutcome EngineSeam::apply(const PassChoice& choice, const engine::PassPlan& plan) {
    begin(choice);
    try {
        engine::PassResult result = engine::runPass(mSession, *this, choice.scope, &plan);
        return {std::move(result), mEcoWent, mOpenReport};
    } catch (const std::exception& problem) {
        mView.showMessage(passProblem(problem.what()));
    }
    return {};
}

void EngineSeam::setStartText(const std::string& text) {
    mOptions.setStartText(text);
    mView.showOptions(mOptions);
}

void EngineSeam::deselectOptStart() {
    mOptions.clearAllComponents();
    mView.showOptions(mOptions);
}

bool EngineSeam::optStart() const {
    return mChoice.scope == engine::PassScope::AllComponents;
}

bool EngineSeam::optSelected() const {
    return mChoice.scope == engine::PassScope::SelectedComponents;
}

bool EngineSeam::optAssign() const {
    return mChoice.policy == engine::TakenNamePolicy::AssignNextFree;
}

bool EngineSeam::optDuplicate() const {
    return mChoice.policy == engine::TakenNamePolicy::RenameDuplicates;
}

host::EcoDelivery EngineSeam::writeEcoFile(const engine::EcoRows& rows) {
    const host::EcoDelivery delivery = mEco.writeEcoFile(rows);
    mEcoWent = ecoWent(delivery, mEco.chosenPath());
    return delivery;
}

host::EcoDelivery EngineSeam::sendEcoToLayout(host::LogicApplication& powerLogic,
                                              const engine::EcoRows& rows) {
    const host::EcoDelivery delivery = mEco.sendEcoToLayout(powerLogic, rows);
    mEcoWent = ecoWent(delivery, "read by the layout open in PowerPCB");
    return delivery;
}

bool EngineSeam::keepRenamesWithoutEco(const std::string& question) {
    return !mView.ask(keepRenamesWithoutEcoQuestion(question));
}

bool EngineSeam::putBackUnfinishedPass(const std::string& question) {
    return mView.ask(putBackQuestion(question));
}

void EngineSeam::showMessage(engine::MessageStyle style, const std::string& title,
                             const std::string& text) {
    const MessageKind kind =
        style == engine::MessageStyle::Exclamation ? MessageKind::Refusal : MessageKind::Failure;
    mView.showMessage({kind, title, text});
}

} // namespace sequate::ui
