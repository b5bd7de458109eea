#include "mainwindowlogic.h"

namespace sequate::ui {

MainWindowLogic::MainWindowLogic(MainView& view, EcoStep& eco)
    : mView(view), mSeam(mOptions, view, eco) {}

MainWindowLogic::~MainWindowLogic() {
    if (mAdvised)
        mAdvised->unadvise(this);
}

engine::StartupOutcome MainWindowLogic::startUp(host::RunningObjects& objects) {
    mView.showOptions(mOptions);
    const engine::StartupOutcome outcome = mSeam.startUp(objects);
    if (outcome == engine::StartupOutcome::Running && mSeam.session().application) {
        mAdvised = mSeam.session().application;
        mAdvised->advise(this);
    }
    return outcome;
}

void MainWindowLogic::recoverUnfinishedPass() {
    mSeam.recoverUnfinishedPass();
}

void MainWindowLogic::click(Control control) {
    mOptions.click(control);
    mView.showOptions(mOptions);
}

void MainWindowLogic::startTextEdited(const std::string& text) {
    mOptions.setStartText(text);
}

void MainWindowLogic::run() {
    const ChoiceOrRefusal asked = choosePass(mOptions);
    if (asked.refusal)
        mView.showMessage(*asked.refusal);
    if (asked.choice)
        held(*asked.choice, [&] { return mSeam.run(*asked.choice); });
}

void MainWindowLogic::preview() {
    const ChoiceOrRefusal asked = choosePass(mOptions);
    if (asked.refusal)
        mView.showMessage(*asked.refusal);
    if (!asked.choice)
        return;
    try {
        const engine::PlanPreview preview = mSeam.preview(*asked.choice);
        showPlan(*asked.choice, preview.names, preview.plan);
    } catch (const std::exception& problem) {
        mView.closePreview();
        mView.showMessage(previewProblem(problem.what()));
    }
}

void MainWindowLogic::apply() {
    if (!mPreviewChoice)
        return;
    const PassChoice choice = *mPreviewChoice;
    held(choice, [&] {
        PassOutcome outcome = mSeam.apply(choice, mPreviewPlan);
        if (outcome.result && outcome.result->newPlan)
            showPlan(choice, outcome.result->namesRead, *outcome.result->newPlan);
        else
            mView.closePreview();
        return outcome;
    });
}

void MainWindowLogic::openReport() {
    mView.showReport(mReport, true);
}

template <typename Pass>
void MainWindowLogic::held(const PassChoice& choice, Pass pass) {
    mPassRunning = true;
    const PassOutcome outcome = pass();
    mPassRunning = false;
    if (outcome.result && !outcome.result->newPlan) {
        mReport = passReport(choice, mView.localTime(), *outcome.result, outcome.ecoWent);
        mView.showReport(mReport, outcome.openReport);
    }
    if (mOpenDocumentWaiting) {
        mOpenDocumentWaiting = false;
        takeUpOpenedDocument();
    }
}

void MainWindowLogic::showPlan(const PassChoice& choice, const std::vector<std::string>& names,
                               const engine::PassPlan& plan) {
    mPreviewChoice = choice;
    mPreviewPlan = plan;
    mView.showPreview(previewText(choice, names, plan));
}

void MainWindowLogic::OpenDocument(std::shared_ptr<host::LogicDocument>) {
    if (mPassRunning) {
        mOpenDocumentWaiting = true;
        return;
    }
    takeUpOpenedDocument();
}

void MainWindowLogic::takeUpOpenedDocument() {
    if (mSeam.takeUpOpenedDocument() == engine::StartupOutcome::EndProgram)
        mView.endProgram(1);
}

} // namespace sequate::ui
