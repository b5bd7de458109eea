#pragma once

// The system's own boxes: MessageBox, the task dialog for a question with its two answers as
// buttons, the save dialog of the common dialogs, and the shell for addresses and files.

#include "dialogs.h"

namespace sequate::win {

class NativeDialogs : public Dialogs {
public:
    void showMessage(HWND owner, const ui::Message& message) override;
    bool ask(HWND owner, const ui::Question& question) override;
    std::optional<std::string> chooseSaveFile(HWND owner, const std::string& filter,
                                              const std::string& caption = {},
                                              const std::string& suggestedName = {}) override;
    bool open(HWND owner, const std::string& target) override;
};

} // namespace sequate::win
