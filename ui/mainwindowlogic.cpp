#include "mainwindowlogic.h"

#include "passmessages.h"
#include "rememberedoptions.h"

namespace sequate::ui {

Control focusAfterPass(std::optional<Control> before, const OptionPanel& options) {
    if (!before || !options.enabled(*before))
        return defaultButton;
    for (Control control : mainWindowTabOrder())
        if (control == *before)
            return control;
    return defaultButton;
}

MainWindowLogic::MainWindowLogic(MainView& view, engine::EcoHandOff& eco)
    : mView(view), mSeam(mOptions, view, eco) {}

MainWindowLogic::~MainWindowLogic() {
    if (mAdvised)
        mAdvised->unadvise(this);
}

engine::StartupOutcome MainWindowLogic::startUp(host::RunningObjects& objects) {
    mView.showOptions(mOptions);
    const engine::StartupOutcome outcome = mSeam.startUp(objects);
    if (outcome == engine::StartupOutcome::Running)
        restoreOptions();
    if (outcome == engine::StartupOutcome::Running && mSeam.session().application) {
        mAdvised = mSeam.session().application;
        mAdvised->advise(this);
    }
    return outcome;
}

void MainWindowLogic::restoreOptions() {
    const RememberedOptions remembered = readRememberedOptions(mView.settings());
    takeRememberedOptions(remembered, mOptions);
    mView.showOptions(mOptions);
    if (const std::optional<ScreenPoint> place =
            placeOnScreens(remembered.position, mView.windowFrame(), mView.screenAreas()))
        mView.moveWindow(*place);
}

void MainWindowLogic::rememberOptions() {
    const ScreenRect frame = mView.windowFrame();
    writeRememberedOptions(rememberedOptions(mOptions, {frame.left, frame.top}), mView.settings());
}

// A Run may have found PowerLogic again after it was closed: the documents the new one opens
// are followed from now on, and the caption names its document. The old one cannot be told.
void MainWindowLogic::followPowerLogic() {
    const auto& application = mSeam.session().application;
    if (!application || application == mAdvised)
        return;
    if (mAdvised) {
        try {
            mAdvised->unadvise(this);
        } catch (const std::exception&) {
        }
    }
    mAdvised = application;
    try {
        mAdvised->advise(this);
        mView.setCaption(
            documentCaption(engine::DocumentCaption::Started, mSeam.session().document->Name()));
    } catch (const std::exception&) {
    }
}

// Putting back a pass renames through the same port as a pass, and holds the window alike.
void MainWindowLogic::recoverUnfinishedPass() {
    beginHold();
    mSeam.recoverUnfinishedPass();
    mAccount = waitingLine();
    endHold();
}

std::string MainWindowLogic::waitingLine() const {
    const std::size_t waiting = mSeam.session().keptRenamesWaiting;
    return waiting ? keptRenamesWaitingLine(waiting) : std::string();
}

void MainWindowLogic::click(Control control) {
    mOptions.click(control);
    // A control the click greys gives the keyboard to the one clicked, before it is greyed.
    if (const std::optional<Control> focused = mView.focusedControl();
        focused && !mOptions.enabled(*focused) && mOptions.enabled(control))
        mView.focus(control);
    mView.showOptions(mOptions);
}

void MainWindowLogic::textEdited(Control box, const std::string& text) {
    if (box == Control::leaveAloneBox)
        mOptions.setLeaveAloneText(text);
    else
        mOptions.setStartText(text);
}

void MainWindowLogic::orderChosen(engine::WalkOrder order) {
    mOptions.setOrder(order);
}

std::optional<PassRequest> MainWindowLogic::choose(PassButton pressed) {
    RequestOrRefusal asked = choosePass(mOptions);
    if (asked.refusal) {
        mView.showMessage(refusalMessage(*asked.refusal, pressed));
        if (const std::optional<Control> box = boxToRetype(*asked.refusal))
            mView.focusToRetype(*box);
    }
    return std::move(asked.request);
}

void MainWindowLogic::run() {
    if (mPassRunning)
        return;
    const std::optional<PassRequest> request = choose(PassButton::Run);
    if (request)
        held(*request, [&] {
            // The hand-over of kept renames comes first, and may ask for a file: said at once.
            if (mSeam.session().keptRenamesWaiting) {
                mView.showAccount(writingKeptRenamesLine());
                mView.handleWaitingEvents();
            }
            return mSeam.run(*request);
        });
}

void MainWindowLogic::preview() {
    if (mPassRunning)
        return;
    const std::optional<PassRequest> asked = choose(PassButton::Preview);
    if (!asked)
        return;
    const PassRequest& request = *asked;
    beginHold();
    if (const std::optional<engine::PlanPreview> preview = mSeam.preview(request)) {
        // A preview the user stopped has nothing to show.
        if (mSeam.progress().stopRequested()) {
            mView.closePreview();
        } else {
            const engine::PassPlan plan = previewedPlan(*preview);
            showPlan(request, previewText(request, preview->names, plan), plan);
        }
    }
    endHold();
}

void MainWindowLogic::apply() {
    if (!mPreviewRequest || mPassRunning)
        return;
    const PassRequest request = *mPreviewRequest;
    held(request, [&] {
        std::optional<engine::PassOutcome> outcome = mSeam.apply(request, mPreviewPlan);
        const auto* changed = outcome ? std::get_if<engine::PlanChanged>(&*outcome) : nullptr;
        if (changed)
            showPlan(request, changedPlanText(request, changed->namesRead, changed->plan),
                     changed->plan);
        else
            mView.closePreview();
        return outcome;
    });
}

void MainWindowLogic::savePlanAsEco(SaveDialog& dialog) {
    // A plan the pass would stop at has no ECO file.
    if (!mPreviewRequest || mPassRunning || mPreviewPlan.stop)
        return;
    // Only the offered file name needs the schematic's name: without it the file is offered as
    // an untitled one's.
    std::string schematicName;
    try {
        if (const auto& document = mSeam.session().document)
            schematicName = document->Name();
    } catch (const std::exception&) {
    }
    ui::savePlanAsEco(dialog, mPreviewPlan.renames, schematicName);
}

void MainWindowLogic::putBackLastPass() {
    if (mPassRunning)
        return;
    beginHold();
    const std::optional<engine::PutBackOutcome> outcome = mSeam.putBackLastPass();
    // The line is shown as the window is let go, so that it outlasts the hold.
    if (outcome && outcome->end != engine::PutBackEnd::Declined)
        mAccount = putBackAccount(*outcome);
    endHold();
}

// The report shows the last pass already, filtered as the user left it.
void MainWindowLogic::openReport() {
    mView.bringReportToFront();
}

bool MainWindowLogic::end() {
    if (mPassRunning) {
        askToStop();
        return false;
    }
    rememberOptions();
    mView.endProgram(0);
    return true;
}

void MainWindowLogic::escape() {
    if (mPassRunning)
        askToStop();
}

void MainWindowLogic::askToStop() {
    if (!mSeam.progress().stopRequested() && !mView.ask(stopPassQuestion()))
        mSeam.progress().requestStop();
}

// The keyboard leaves the controls the pass greys before they are greyed: a toolkit would hand
// it to the next live one, End, where Enter would end the program after the pass.
void MainWindowLogic::beginHold() {
    mPassRunning = true;
    mSeam.progress().beginPass();
    mFocusBefore = mView.focusedControl();
    mView.focus(std::nullopt);
    mView.showAccount({});
    mView.showPassRunning(true);
}

void MainWindowLogic::endHold() {
    followPowerLogic();
    mView.showPassRunning(false);
    mView.showOptions(mOptions);
    mView.showAccount(mAccount);
    mView.focus(focusAfterPass(mFocusBefore, mOptions));
    mPassRunning = false;
    if (mOpenDocumentWaiting) {
        mOpenDocumentWaiting = false;
        takeUpOpenedDocument();
    }
}

template <typename Pass>
void MainWindowLogic::held(const PassRequest& request, Pass pass) {
    beginHold();
    const std::optional<engine::PassOutcome> outcome = pass();
    mAccount = outcome ? accountLine(*outcome) : waitingLine();
    if (outcome && !std::holds_alternative<engine::PlanChanged>(*outcome)) {
        mReport =
            passReport(request, mView.localTime(), *outcome, ecoWent(engine::ecoOf(*outcome)));
        // Old program: naytaNimeamattomat, which showed the names kept after a completed pass.
        const auto* completed = std::get_if<engine::PassCompleted>(&*outcome);
        mView.showReport(mReport, completed && !completed->applied.unnamed.empty());
    }
    endHold();
}

void MainWindowLogic::showPlan(const PassRequest& request, const PreviewText& text,
                               const engine::PassPlan& plan) {
    mPreviewRequest = request;
    mPreviewPlan = plan;
    mView.showPreview(text);
}

void MainWindowLogic::OpenDocument(std::shared_ptr<host::LogicDocument>) {
    if (mPassRunning) {
        mOpenDocumentWaiting = true;
        return;
    }
    takeUpOpenedDocument();
}

void MainWindowLogic::takeUpOpenedDocument() {
    if (mSeam.takeUpOpenedDocument() != engine::StartupOutcome::Running) {
        rememberOptions();
        mView.endProgram(1);
    }
}

} // namespace sequate::ui
