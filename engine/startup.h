#pragma once

// Start-up and the open-document handler: attach to the running PowerLogic, take up its open
// document and choose the first working list. Failures that end the program are told to the
// user through the window before the outcome says so.

#include "formstate.h"
#include "formwindow.h"
#include "host/runningobjects.h"

namespace sequate::engine {

enum class StartupOutcome { Running, EndProgram };

StartupOutcome Form_Load(FormState& state, FormWindow& window, host::RunningObjects& objects);
StartupOutcome powerLogicApp_OpenDocument(FormState& state, FormWindow& window);

} // namespace sequate::engine
