#pragma once

// The main window's save dialog for the ECO step (eco::EcoStep): the Qt file dialog through the
// window's dialogs, so that a test can answer it.

#include "eco/ecofiledialog.h"

class QWidget;

namespace sequate::app {

class Dialogs;

class WindowSaveDialog : public eco::EcoUi {
public:
    WindowSaveDialog(Dialogs& dialogs, QWidget& window) : mDialogs(dialogs), mWindow(window) {}

    std::optional<std::string> chooseSaveFile(const std::string& filter) override;
    std::optional<std::string> chooseSaveFile(const std::string& filter,
                                              const std::string& caption) override;

private:
    Dialogs& mDialogs;
    QWidget& mWindow;
};

} // namespace sequate::app
