#pragma once

// The Windows window's save dialog for the ECO step (eco::EcoStep): the common save dialog
// through the window's dialogs, so that a test can answer it.

#include "eco/ecofiledialog.h"
#include "nativewindow.h"

namespace sequate::win {

class Dialogs;

class WindowSaveDialog : public eco::EcoUi {
public:
    WindowSaveDialog(Dialogs& dialogs, const NativeWindow& owner)
        : mDialogs(dialogs), mOwner(owner) {}

    std::optional<std::string> chooseSaveFile(const std::string& filter) override;
    std::optional<std::string> chooseSaveFile(const std::string& filter,
                                              const std::string& caption) override;

private:
    Dialogs& mDialogs;
    const NativeWindow& mOwner; // the save dialog's owner
};

} // namespace sequate::win
