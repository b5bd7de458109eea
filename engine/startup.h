#pragma once

// Start-up and the open-document handler: attach to the running PowerLogic, take up its open
// document and choose the first working list. Failures that end the program are told to the
// user before the outcome says so.

#include "host/hostfailure.h"
#include "host/runningobjects.h"
#include "hostsession.h"
#include "passports.h"

#include <string>

namespace sequate::engine {

// What start-up and a newly opened document set in the main window.
class StartupDisplay {
public:
    virtual ~StartupDisplay() = default;
    virtual void keepOnTop(bool onTop) = 0; // Old program: AlwaysOnTop
    virtual void setCaption(const std::string& caption) = 0;
    virtual void setStartText(const std::string& text) = 0;
    // Without the option's click effects. Old program: optStart.Value = False.
    virtual void clearAllComponentsOption() = 0;
};

enum class StartupOutcome { Running, EndProgram };

// Old program: Form_Load.
StartupOutcome startUp(HostSession& state, StartupDisplay& display, UserDialogs& dialogs,
                       host::RunningObjects& objects);
// Old program: powerLogicApp_OpenDocument.
StartupOutcome takeUpOpenedDocument(HostSession& state, StartupDisplay& display,
                                    UserDialogs& dialogs);

// Whether the failure says PowerLogic is gone (closed, or its process ended).
bool powerLogicGone(const host::HostFailure& failure);
// PowerLogic was closed, and may be running again: the session drops what it held of the old
// one and takes up the new one and its open document, the options as the user left them. False,
// with the session as it was, when none answers.
bool reattachPowerLogic(HostSession& state);

} // namespace sequate::engine
