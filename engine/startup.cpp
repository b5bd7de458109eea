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
void takeFirstWorkList(HostSession& state) {
    state.workList = chooseWorkList(*state.document, AllComponents::Query).list;
    state.workList->Item(1);
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

StartupOutcome startUp(HostSession& state, FormWindow& window, host::RunningObjects& objects) {
    return trapped(window, "You must load a project before running Sequate", [&] {
        window.keepOnTop(true);
        window.deselectOptStart();
        state.application = required(objects.attachPowerLogic(), "the running object table");
        state.document =
            required(state.application->CurrentDocument(), "LogicApplication.CurrentDocument");
        takeFirstWorkList(state);
        window.setCaption("Sequate " + state.document->Name());
        window.setStartText("1");
    });
}

StartupOutcome takeUpOpenedDocument(HostSession& state, FormWindow& window) {
    if (!state.document)
        return StartupOutcome::Running;
    return trapped(window, "There is no componets in project", [&] {
        window.setCaption("Quillaron" + state.document->Name());
        window.deselectOptStart();
        takeFirstWorkList(state);
        window.setCaption("Quillaron " + state.document->Name());
    });
}

} // namespace sequate::engine
