#pragma once

// The program's start as Windows runs it: start-up while the window is hidden, then the window,
// then the message loop, which also hands PowerLogic's queued notifications to the window.

#include "mainwindow.h"

#include <functional>
#include <memory>

namespace sequate::win {

struct Launch {
    std::unique_ptr<MainWindow> window; // none when start-up ended the program
    int exitStatus = 0;
};

// programEnd hears the exit status the window ends the program with.
Launch launch(host::RunningObjects& objects, Dialogs& dialogs, std::function<void(int)> programEnd);

// Until WM_QUIT; gives its exit status.
int runMessageLoop();
// The messages waiting now, while a pass holds the host: the window repaints and hears End and
// Escape. PowerLogic's queued notifications wait for the message loop, after the pass.
void handleWaitingMessages();

} // namespace sequate::win
