#pragma once

// "Write only": the ECO file goes where the user chooses. The window's save dialog is reached
// through EcoUi.

#include "host/ecodelivery.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace sequate::eco {

// The save dialog's file type: the description, its trailing blank included, then the pattern;
// the window translates it into its toolkit's form.
inline constexpr const char* ecoFileFilter = "ECO files (*.eco) |*.eco|";

class EcoUi {
public:
    virtual ~EcoUi() = default;
    // The save form of the file dialog with the given filter; empty on Cancel.
    virtual std::optional<std::string> chooseSaveFile(const std::string& filter) = 0;
    // The same with a caption that says what the file is for, where it is not a pass's own.
    virtual std::optional<std::string> chooseSaveFile(const std::string& filter,
                                                      const std::string& caption) {
        (void)caption;
        return chooseSaveFile(filter);
    }
};

// Checks the names, asks for the file and writes it. Delivered, Cancelled, or NotDelivered
// with its problem. `beforeWrite` is called with the chosen path before the file
// is written, so that the pass can journal the hand-off; when it throws, nothing is written.
// Old program: ShowFileDialog.
host::EcoDelivery writeEcoFile(const std::vector<std::string>& oldNames,
                               const std::vector<std::string>& newNames, EcoUi& ui,
                               const std::function<void(const std::string&)>& beforeWrite = {},
                               const std::string& caption = {});

} // namespace sequate::eco
