#pragma once

// A Windows window's save dialog, for the ECO step (eco::EcoStep) and for saving a list or the
// previewed plan (ui::SaveDialog): the common save dialog and message box through the window's
// dialogs, so that a test can answer them.

#include "eco/ecofiledialog.h"
#include "nativewindow.h"
#include "ui/savefile.h"

namespace sequate::win {

class Dialogs;

class WindowSaveDialog : public eco::EcoUi, public ui::SaveDialog {
public:
    WindowSaveDialog(Dialogs& dialogs, const NativeWindow& owner)
        : mDialogs(dialogs), mOwner(owner) {}

    std::optional<std::string> chooseSaveFile(const std::string& filter) override;
    std::optional<std::string> chooseSaveFile(const std::string& filter,
                                              const std::string& caption) override;
    // ui::SaveDialog
    std::optional<std::string> chooseFile(const std::string& filter,
                                          const std::string& suggestedName) override;
    void showMessage(const ui::Message& message) override;

private:
    Dialogs& mDialogs;
    const NativeWindow& mOwner; // the save dialog's owner
};

} // namespace sequate::win
