#include "windowecoui.h"

#include "dialogs.h"
#include "filefilter.h"

namespace sequate::app {

WindowEcoUi::WindowEcoUi(Dialogs& dialogs, QWidget& window) : mDialogs(dialogs), mWindow(window) {}

std::optional<std::string> WindowEcoUi::chooseSaveFile(const std::string& filter) {
    return chooseSaveFile(filter, {});
}

std::optional<std::string> WindowEcoUi::chooseSaveFile(const std::string& filter,
                                                       const std::string& caption) {
    const std::optional<QString> path =
        mDialogs.chooseSaveFile(&mWindow, toQtFilter(filter), QString::fromStdString(caption));
    if (!path || path->isEmpty()) {
        return std::nullopt;
    }
    mChosenPath = path->toStdString();
    return mChosenPath;
}

} // namespace sequate::app
