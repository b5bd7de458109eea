#pragma once

// "Write only": the ECO file goes where the user chooses. The window's save dialog is reached
// through EcoUi.

#include "host/ecodelivery.h"

#include <optional>
#include <string>
#include <vector>

namespace sequate::eco {

class EcoUi {
public:
    virtual ~EcoUi() = default;
    // The save form of the file dialog with the given filter; empty on Cancel.
    virtual std::optional<std::string> chooseSaveFile(const std::string& filter) = 0;
};

// Checks the names, asks for the file and writes it. Delivered, Cancelled, or NotDelivered
// with the path and the reason. Old program: ShowFileDialog.
host::EcoDelivery writeEcoFile(const std::vector<std::string>& oldNames,
                               const std::vector<std::string>& newNames, EcoUi& ui);

} // namespace sequate::eco
