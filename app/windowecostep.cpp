#include "windowecostep.h"

#include "dialogs.h"
#include "eco/layouthandoff.h"
#include "filefilter.h"

namespace sequate::app {

WindowEcoStep::WindowEcoStep(Dialogs& dialogs, QWidget& window, host::RunningObjects& objects)
    : mDialogs(dialogs), mWindow(window), mObjects(objects) {}

host::EcoDelivery WindowEcoStep::writeToChosenFile(const engine::EcoRows& rows) {
    return eco::writeEcoFile(rows.oldNames(), rows.newNames(), *this, rows.beforeHandOver,
                             rows.caption);
}

host::EcoDelivery WindowEcoStep::handToPowerPcb(host::LogicApplication& powerLogic,
                                                const engine::EcoRows& rows) {
    return eco::sendEcoToLayout(powerLogic, mObjects, rows.oldNames(), rows.newNames(),
                                rows.beforeHandOver);
}

std::string WindowEcoStep::whyPowerPcbCannotTake() {
    return eco::layoutUnreachable(mObjects);
}

std::optional<std::string> WindowEcoStep::chooseSaveFile(const std::string& filter) {
    return chooseSaveFile(filter, {});
}

std::optional<std::string> WindowEcoStep::chooseSaveFile(const std::string& filter,
                                                         const std::string& caption) {
    const std::optional<QString> path =
        mDialogs.chooseSaveFile(&mWindow, toQtFilter(filter), QString::fromStdString(caption));
    if (!path || path->isEmpty()) {
        return std::nullopt;
    }
    return path->toStdString();
}

} // namespace sequate::app
