#pragma once

// The program as it runs on Linux, for sequate and for the screenshot tour: the application,
// start-up and the main window over PowerLogic on the session bus, then the event loop.

#include "mainwindow.h"

#include <functional>

namespace sequate::app {

// `started` has the main window once it is shown, before the event loop runs. Gives the exit
// status.
int runProgram(int argc, char** argv, const std::function<void(MainWindow&)>& started);

} // namespace sequate::app
