#include "windowsavedialog.h"

#include "dialogs.h"
#include "filefilter.h"

namespace sequate::app {

std::optional<std::string> WindowSaveDialog::chooseSaveFile(const std::string& filter) {
    return chooseSaveFile(filter, {});
}

std::optional<std::string> WindowSaveDialog::chooseSaveFile(const std::string& filter,
                                                            const std::string& caption) {
    const std::optional<QString> path =
        mDialogs.chooseSaveFile(&mWindow, toQtFilter(filter), QString::fromStdString(caption));
    if (!path || path->isEmpty()) {
        return std::nullopt;
    }
    return path->toStdString();
}

} // namespace sequate::app
