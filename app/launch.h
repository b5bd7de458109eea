#pragma once

// Program start: the main window is created, start-up runs while it is still hidden, and only
// then is it shown, or the program ends.

#include "mainwindow.h"

#include <memory>

namespace sequate::app {

struct Launch {
    std::unique_ptr<MainWindow> window; // shown; null when the program must end
    int exitStatus = 0;                 // the status to end with when window is null
};

Launch launch(std::unique_ptr<host::RunningObjects> objects, Dialogs& dialogs);

} // namespace sequate::app
