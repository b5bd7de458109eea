#pragma once

// Everything modal the Windows view shows: message boxes, questions, the save dialog and the
// browser. The windows reach them through this interface so that tests can answer them.

#include "ui/dialogtexts.h"

#include <optional>
#include <string>
#include <windows.h>

namespace sequate::win {

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // One OK button; returns when the user has closed the box.
    virtual void showMessage(HWND owner, const ui::Message& message) = 0;
    // True when the user gave the question's default answer.
    virtual bool ask(HWND owner, const ui::Question& question) = 0;
    // The save dialog with a filter as Sequate writes it ("ECO files (*.eco) |*.eco|", or a
    // description holding its pattern), a caption (the system's when empty) and a file name to
    // offer (none when empty) in the folder the dialog opens at anyway; no extension is added
    // to what the user types. Empty on Cancel.
    virtual std::optional<std::string> chooseSaveFile(HWND owner, const std::string& filter,
                                                      const std::string& caption = {},
                                                      const std::string& suggestedName = {}) = 0;
    // A web address or a file, opened by the program the system has for it; false when none
    // could be started.
    virtual bool open(HWND owner, const std::string& target) = 0;
};

} // namespace sequate::win
