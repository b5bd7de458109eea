#pragma once

// A window's save dialog, for the ECO step (eco::EcoStep) and for saving a list or the
// previewed plan (ui::SaveDialog): the Qt file dialog and message box through the window's
// dialogs, so that a test can answer them.

#include "eco/ecofiledialog.h"
#include "ui/savefile.h"

class QWidget;

namespace sequate::app {

class Dialogs;

class WindowSaveDialog : public eco::EcoUi, public ui::SaveDialog {
public:
    WindowSaveDialog(Dialogs& dialogs, QWidget& window) : mDialogs(dialogs), mWindow(window) {}

    std::optional<std::string> chooseSaveFile(const std::string& filter) override;
    std::optional<std::string> chooseSaveFile(const std::string& filter,
                                              const std::string& caption) override;
    std::optional<std::string> chooseSaveFile(const std::string& filter, const std::string& caption,
                                              const std::string& suggestedName);
    // ui::SaveDialog
    std::optional<std::string> chooseFile(const std::string& filter,
                                          const std::string& suggestedName) override {
        return chooseSaveFile(filter, {}, suggestedName);
    }
    void showMessage(const ui::Message& message) override;

private:
    Dialogs& mDialogs;
    QWidget& mWindow;
};

} // namespace sequate::app
