#pragma once

// The program as Windows runs it, for sequate.exe and for the screenshot tour: the common
// controls, start-up and the main window over PowerLogic through COM, then the message loop.

#include "mainwindow.h"

#include <functional>

namespace sequate::win {

// `started` has the main window once it is shown, before the message loop runs. Gives the exit
// status.
int runProgram(const std::function<void(MainWindow&)>& started);

} // namespace sequate::win
