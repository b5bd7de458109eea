#include "windowsavedialog.h"

#include "dialogs.h"
#include "filefilter.h"

namespace sequate::app {

std::optional<std::string> WindowSaveDialog::chooseSaveFile(const std::string& filter) {
    return chooseSaveFile(filter, {}, {});
}

std::optional<std::string> WindowSaveDialog::chooseSaveFile(const std::string& filter,
                                                            const std::string& caption) {
    return chooseSaveFile(filter, caption, {});
}

std::optional<std::string> WindowSaveDialog::chooseSaveFile(const std::string& filter,
                                                            const std::string& caption,
                                                            const std::string& suggestedName) {
    const std::optional<QString> path =
        mDialogs.chooseSaveFile(&mWindow, toQtFilter(filter), QString::fromStdString(caption),
                                QString::fromStdString(suggestedName));
    if (!path || path->isEmpty()) {
        return std::nullopt;
    }
    return path->toStdString();
}

void WindowSaveDialog::showMessage(const ui::Message& message) {
    mDialogs.showMessage(&mWindow, message);
}

} // namespace sequate::app
