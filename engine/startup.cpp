#include "startup.h"

#include "host/hostfailure.h"
#include "required.h"
#include "workinglist.h"

#include <functional>

namespace sequate::engine {

namespace {

constexpr const char* sequateTitle = "Sequate";
constexpr const char* notRunningText = "Are you sure Powerlogic is running ? ";

// The check that the document has components: the host fails one of these calls when it
// has none, or no project is loaded.
void takeFirstWorkList(FormState& state) {
    state.workList = chooseWorkList(*state.powerlogicdoc, AllComponents::Query).list;
    state.currentComponent = state.workList->Item(1);
}

// One trap over the whole sequence; only the two codes that end the program are told.
StartupOutcome trapped(FormWindow& window, const char* noProjectText,
                       const std::function<void()>& sequence) {
    try {
        sequence();
    } catch (const host::HostFailure& failure) {
        if (failure.code() == host::HostCode::NoProject) {
            window.showMessage(MessageStyle::Critical, sequateTitle, noProjectText);
            return StartupOutcome::EndProgram;
        }
        if (failure.code() == host::HostCode::NotRunning) {
            window.showMessage(MessageStyle::Critical, sequateTitle, notRunningText);
            return StartupOutcome::EndProgram;
        }
    } catch (const std::exception&) {
        // Any other failure leaves the window as far as it was set up.
    }
    return StartupOutcome::Running;
}

} // namespace

StartupOutcome Form_Load(FormState& state, FormWindow& window, host::RunningObjects& objects) {
    return trapped(window, "You must load a project before running Sequate", [&] {
        window.AlwaysOnTop(true);
        state.selectedDone = 0;
        window.deselectOptStart();
        state.powerLogicApp = required(objects.attachPowerLogic(), "the running object table");
        state.powerlogicdoc =
            required(state.powerLogicApp->CurrentDocument(), "LogicApplication.CurrentDocument");
        takeFirstWorkList(state);
        window.setCaption("Sequate " + state.powerlogicdoc->Name());
        window.setStartText("1");
    });
}

StartupOutcome powerLogicApp_OpenDocument(FormState& state, FormWindow& window) {
    if (!state.powerlogicdoc)
        return StartupOutcome::Running;
    return trapped(window, "There is no componets in project", [&] {
        window.setCaption("Quillaron" + state.powerlogicdoc->Name());
        state.selectedDone = 0;
        window.deselectOptStart();
        takeFirstWorkList(state);
        window.setCaption("Quillaron " + state.powerlogicdoc->Name());
    });
}

} // namespace sequate::engine
