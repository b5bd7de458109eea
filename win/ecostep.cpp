#include "ecostep.h"

#include "dialogs.h"
#include "eco/layouthandoff.h"

namespace sequate::win {

host::EcoDelivery NativeEcoStep::writeToChosenFile(const engine::EcoRows& rows) {
    return eco::writeEcoFile(rows.oldNames(), rows.newNames(), *this, rows.beforeHandOver,
                             rows.caption);
}

host::EcoDelivery NativeEcoStep::handToPowerPcb(host::LogicApplication& powerLogic,
                                                const engine::EcoRows& rows) {
    return eco::sendEcoToLayout(powerLogic, mObjects, rows.oldNames(), rows.newNames(),
                                rows.beforeHandOver);
}

std::string NativeEcoStep::whyPowerPcbCannotTake() {
    return eco::layoutUnreachable(mObjects);
}

std::optional<std::string> NativeEcoStep::chooseSaveFile(const std::string& filter) {
    return chooseSaveFile(filter, {});
}

std::optional<std::string> NativeEcoStep::chooseSaveFile(const std::string& filter,
                                                         const std::string& caption) {
    return mDialogs.chooseSaveFile(mOwner.handle(), filter, caption);
}

} // namespace sequate::win
