#pragma once

// For the documentation: drives the window through a pass and saves pictures of the main
// window, the preview, the report window and the about box as PNG files, then ends the program.

#include <QString>

namespace sequate::app {

class MainWindow;

void startScreenshotTour(MainWindow& window, const QString& folder);

} // namespace sequate::app
