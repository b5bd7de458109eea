#pragma once

// The engine's ECO step done with this library, the one adapter between the two: "Write only"
// asks the save dialog it is given (the window's file dialog, a runner's path, a test's
// choice) and writes the file there; "Write and force read in PCB" hands the file to the
// running PowerPCB. Built as a library of its own, so that the ECO library itself knows only
// the host interfaces. Its problems reach the engine as values with the words the window's
// layer gives them (ui/ecotexts.h), which the engine's messages quote.

#include "ecofiledialog.h"
#include "engine/passports.h"
#include "host/runningobjects.h"

#include <optional>
#include <string>

namespace sequate::eco {

// The words for a problem of the ECO step: ui::ecoProblemText.
using EcoWords = std::string (*)(const host::EcoProblem& problem);

class EcoStep : public engine::EcoHandOff {
public:
    EcoStep(host::RunningObjects& objects, EcoUi& saveDialog, EcoWords words);
    // Without a save dialog, as for the runner `program` given no file: "Write only" writes
    // nothing and says so.
    EcoStep(host::RunningObjects& objects, std::string program, EcoWords words);

    host::EcoDelivery writeToChosenFile(const engine::EcoRows& rows) override;
    host::EcoDelivery handToPowerPcb(host::LogicApplication& powerLogic,
                                     const engine::EcoRows& rows) override;
    std::string whyPowerPcbCannotTake() override;

    // The ECO text of the last file that went somewhere (host::fileWentSomewhere); none while
    // none did. What the runners report.
    const std::optional<std::string>& lastWritten() const { return mLastWritten; }

private:
    host::EcoDelivery noted(host::EcoDelivery delivery, const engine::EcoRows& rows);

    host::RunningObjects& mObjects;
    EcoWords mWords;
    EcoUi* mSaveDialog = nullptr;
    std::string mProgram;
    std::optional<std::string> mLastWritten;
};

} // namespace sequate::eco
