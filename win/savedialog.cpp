#include "savedialog.h"

#include "dialogs.h"

namespace sequate::win {

std::optional<std::string> WindowSaveDialog::chooseSaveFile(const std::string& filter) {
    return chooseSaveFile(filter, {});
}

std::optional<std::string> WindowSaveDialog::chooseSaveFile(const std::string& filter,
                                                            const std::string& caption) {
    return mDialogs.chooseSaveFile(mOwner.handle(), filter, caption);
}

std::optional<std::string> WindowSaveDialog::chooseFile(const std::string& filter,
                                                        const std::string& suggestedName) {
    return mDialogs.chooseSaveFile(mOwner.handle(), filter, {}, suggestedName);
}

void WindowSaveDialog::showMessage(const ui::Message& message) {
    mDialogs.showMessage(mOwner.handle(), message);
}

} // namespace sequate::win
