#include "startup.h"

#include "host/hostfailure.h"
#include "required.h"
#include "workinglist.h"

#include <functional>
#include <utility>

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
StartupOutcome trapped(UserDialogs& dialogs, const char* noProjectText,
                       const std::function<void()>& sequence) {
    try {
        sequence();
    } catch (const host::HostFailure& failure) {
        if (failure.code() == host::HostCode::NoProject) {
            dialogs.showMessage(MessageKind::Failure, sequateTitle, noProjectText);
            return StartupOutcome::EndProgram;
        }
        if (failure.code() == host::HostCode::NotRunning) {
            dialogs.showMessage(MessageKind::Failure, sequateTitle, notRunningText);
            return StartupOutcome::EndProgram;
        }
    } catch (const std::exception&) {
        // Any other failure leaves the window as far as it was set up.
    }
    return StartupOutcome::Running;
}

} // namespace

StartupOutcome startUp(HostSession& state, StartupDisplay& display, UserDialogs& dialogs,
                       host::RunningObjects& objects) {
    state.objects = &objects;
    return trapped(dialogs, "You must load a project before running Sequate", [&] {
        display.keepOnTop(true);
        display.clearAllComponentsOption();
        state.application = required(objects.attachPowerLogic(), "the running object table");
        state.document = required(state.application->CurrentDocument(), "the open document");
        takeFirstWorkList(state);
        display.setCaption("Sequate " + state.document->Name());
        display.setStartText("1");
    });
}

bool powerLogicGone(const host::HostFailure& failure) {
    return failure.code() == host::HostCode::NotRunning ||
           failure.code() == host::HostCode::ServerUnavailable;
}

bool reattachPowerLogic(HostSession& state) {
    if (!state.objects)
        return false;
    try {
        auto application = state.objects->attachPowerLogic();
        auto document = application ? application->CurrentDocument() : nullptr;
        if (!document)
            return false;
        state.application = std::move(application);
        state.document = std::move(document);
        state.workList.reset();
    } catch (const host::HostFailure&) {
        return false;
    }
    // A document without components is told by the pass, in its words.
    try {
        takeFirstWorkList(state);
    } catch (const std::exception&) {
    }
    return true;
}

StartupOutcome takeUpOpenedDocument(HostSession& state, StartupDisplay& display,
                                    UserDialogs& dialogs) {
    if (!state.document)
        return StartupOutcome::Running;
    return trapped(dialogs, "There is no componets in project", [&] {
        display.setCaption("Quillaron" + state.document->Name());
        display.clearAllComponentsOption();
        takeFirstWorkList(state);
        display.setCaption("Quillaron " + state.document->Name());
    });
}

} // namespace sequate::engine
