#pragma once

// The ECO step at the end of a pass, as the window logic hands it on: writing and sending the
// file is the ECO library's, the save dialog is the view's.

#include "engine/formwindow.h"
#include "host/ecodelivery.h"
#include "host/powerlogic.h"

#include <string>

namespace sequate::ui {

class EcoStep {
public:
    virtual ~EcoStep() = default;
    // "Write only": asks for the file and writes it. Old program: ShowFileDialog.
    virtual host::EcoDelivery writeEcoFile(const engine::EcoRows& rows) = 0;
    // The file the user chose last, for the report.
    virtual std::string chosenPath() const = 0;
    // "Write and force read in PCB". Old program: AlsoInPCB.
    virtual host::EcoDelivery sendEcoToLayout(host::LogicApplication& powerLogic,
                                              const engine::EcoRows& rows) = 0;
    // Why PowerPCB cannot take a file now, or empty.
    virtual std::string layoutUnreachable() = 0;
};

} // namespace sequate::ui
