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

} // namespace sequate::win
