#include "mainwindowlogic.h"

namespace sequate::ui {

MainWindowLogic::MainWindowLogic(MainView& view, engine::EcoHandOff& eco)
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
    const RequestOrRefusal asked = choosePass(mOptions);
    if (asked.refusal)
        mView.showMessage(*asked.refusal);
    if (asked.request)
        held(*asked.request, [&] { return mSeam.run(*asked.request); });
}

void MainWindowLogic::preview() {
    const RequestOrRefusal asked = choosePass(mOptions);
    if (asked.refusal)
        mView.showMessage(*asked.refusal);
    if (!asked.request)
        return;
    try {
        const engine::PlanPreview preview = mSeam.preview(*asked.request);
        showPlan(*asked.request, preview.names, preview.plan);
    } catch (const std::exception& problem) {
        mView.closePreview();
        mView.showMessage(previewProblem(problem.what()));
    }
}

void MainWindowLogic::apply() {
    if (!mPreviewRequest)
        return;
    const PassRequest request = *mPreviewRequest;
    held(request, [&] {
        std::optional<engine::PassResult> result = mSeam.apply(request, mPreviewPlan);
        if (result && result->newPlan)
            showPlan(request, result->namesRead, *result->newPlan);
        else
            mView.closePreview();
        return result;
    });
}

void MainWindowLogic::openReport() {
    mView.showReport(mReport, true);
}

template <typename Pass>
void MainWindowLogic::held(const PassRequest& request, Pass pass) {
    mPassRunning = true;
    const std::optional<engine::PassResult> result = pass();
    mPassRunning = false;
    if (result && !result->newPlan) {
        mReport = passReport(request, mView.localTime(), *result, ecoWent(result->eco));
        // Old program: naytaNimeamattomat, which showed the names kept after a completed pass.
        mView.showReport(mReport, result->completed && !result->unnamed.empty());
    }
    if (mOpenDocumentWaiting) {
        mOpenDocumentWaiting = false;
        takeUpOpenedDocument();
    }
}

void MainWindowLogic::showPlan(const PassRequest& request, const std::vector<std::string>& names,
                               const engine::PassPlan& plan) {
    mPreviewRequest = request;
    mPreviewPlan = plan;
    mView.showPreview(previewText(request, names, plan));
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
