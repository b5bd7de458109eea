#pragma once

// The pictures of the README and the help page, taken by sequate-screenshots.exe: the window
// shows the options of a pass over the selected
// components, previews and runs a pass over all components, opens the about box, saves each
// window as it is on the screen and ends.

#include <string>

namespace sequate::win {

class MainWindow;

void startScreenshotTour(MainWindow& window, const std::string& folder);

} // namespace sequate::win
