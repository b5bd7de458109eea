#pragma once

// Start-up and the open-document handler: attach to the running PowerLogic, take up its open
// document and choose the first working list. Failures that end the program are told to the
// user through the window before the outcome says so.

#include "formwindow.h"
#include "host/runningobjects.h"
#include "hostsession.h"

namespace sequate::engine {

enum class StartupOutcome { Running, EndProgram };

// Old program: Form_Load.
StartupOutcome startUp(HostSession& state, FormWindow& window, host::RunningObjects& objects);
// Old program: powerLogicApp_OpenDocument.
StartupOutcome takeUpOpenedDocument(HostSession& state, FormWindow& window);

} // namespace sequate::engine
