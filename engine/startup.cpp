#include "startup.h"

#include "host/hostfailure.h"
#include "required.h"
#include "workinglist.h"

#include <functional>
#include <utility>

namespace sequate::engine {

namespace {

// The check that the document has components: the host fails one of these calls when it
// has none, or no project is loaded.
void takeFirstWorkList(HostSession& state) {
    state.workList = chooseWorkList(*state.document, AllComponents::Query).list;
    state.workList->Item(1);
}

// One trap over the whole sequence; only the two codes that end the program are reported.
StartupOutcome trapped(const std::function<void()>& sequence) {
    try {
        sequence();
    } catch (const host::HostFailure& failure) {
        if (failure.code() == host::HostCode::NoProject)
            return StartupOutcome::NoProject;
        if (failure.code() == host::HostCode::NotRunning)
            return StartupOutcome::PowerLogicNotRunning;
    }
    return StartupOutcome::Running;
}

} // namespace

StartupOutcome startUp(HostSession& state, StartupDisplay& display, host::RunningObjects& objects) {
    state.objects = &objects;
    return trapped([&] {
        display.keepOnTop(true);
        display.clearAllComponentsOption();
        state.application = required(objects.attachPowerLogic(), "the running object table");
        state.document = required(state.application->CurrentDocument(), "the open document");
        takeFirstWorkList(state);
        display.showDocument(DocumentCaption::Started, state.document->Name());
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

StartupOutcome takeUpOpenedDocument(HostSession& state, StartupDisplay& display) {
    if (!state.document)
        return StartupOutcome::Running;
    return trapped([&] {
        display.showDocument(DocumentCaption::Opening, state.document->Name());
        display.clearAllComponentsOption();
        takeFirstWorkList(state);
        display.showDocument(DocumentCaption::Opened, state.document->Name());
    });
}

} // namespace sequate::engine
