#pragma once

// Start-up and the open-document handler: attach to the running PowerLogic, take up its open
// document and choose the first working list. The outcome says which failure ends the program;
// ui/ tells it. A host failure of any other code leaves the window as far as it was set up, as
// the old program's trap did; any other exception is left to the caller's firewall.

#include "host/hostfailure.h"
#include "host/runningobjects.h"
#include "hostsession.h"

#include <string>

namespace sequate::engine {

// When the main window's caption names a document: ui/ words it.
enum class DocumentCaption {
    Started, // start-up took it up
    Opening, // PowerLogic opened it, before its components are looked at
    Opened,  // PowerLogic opened it, and it has components
};

// What start-up and a newly opened document set in the main window.
class StartupDisplay {
public:
    virtual ~StartupDisplay() = default;
    virtual void keepOnTop(bool onTop) = 0; // Old program: AlwaysOnTop
    virtual void showDocument(DocumentCaption moment, const std::string& document) = 0;
    virtual void setStartText(const std::string& text) = 0;
    // Without the option's click effects. Old program: optStart.Value = False.
    virtual void clearAllComponentsOption() = 0;
};

enum class StartupOutcome {
    Running,
    PowerLogicNotRunning, // ends the program: no PowerLogic answers
    NoProject,            // ends the program: no project loaded, or its document has no components
};

// Old program: Form_Load.
StartupOutcome startUp(HostSession& state, StartupDisplay& display, host::RunningObjects& objects);
// Old program: powerLogicApp_OpenDocument.
StartupOutcome takeUpOpenedDocument(HostSession& state, StartupDisplay& display);

// Whether the failure says PowerLogic is gone (closed, or its process ended).
bool powerLogicGone(const host::HostFailure& failure);
// PowerLogic was closed, and may be running again: the session drops what it held of the old
// one and takes up the new one and its open document, the options as the user left them. False,
// with the session as it was, when none answers.
bool reattachPowerLogic(HostSession& state);

} // namespace sequate::engine
