#pragma once

// Program start, the same for both views: start-up runs while the main window is still hidden,
// and only then is the window shown, or the program ends.

#include "host/runningobjects.h"
#include "mainwindowlogic.h"

#include <functional>
#include <optional>

namespace sequate::ui {

// Start-up told the user why it cannot go on.
inline constexpr int startupRefused = 1;

// The status to end the program with at once; nothing when the window is shown and the program
// goes on.
std::optional<int> launch(MainWindowLogic& logic, host::RunningObjects& objects,
                          const std::function<void()>& showWindow);

} // namespace sequate::ui
