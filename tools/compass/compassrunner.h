#pragma once

// sequate-pass-com: one numbering pass over the schematic open in the running PowerLogic,
// reached through COM, without a window. Starts up as the program does, presses Run with the
// given options, hands the ECO file to the running PowerPCB and tells in JSON what came of it,
// in the form sequate-pass uses.

#include "engine/headlesswindow.h"
#include "host/runningobjects.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace sequate::tools {

// The headless window with the real ECO hand-off to the PowerPCB of the given hosts.
class HandOffWindow : public engine::HeadlessWindow {
public:
    explicit HandOffWindow(host::RunningObjects& objects) : mObjects(objects) {}

    host::EcoDelivery handToPowerPcb(host::LogicApplication& powerLogic,
                                     const engine::EcoRows& rows) override;
    std::string whyPowerPcbCannotTake() override;
    // The runner chooses no file of its own: only PowerPCB gets an ECO file.
    host::EcoDelivery writeToChosenFile(const engine::EcoRows& rows) override;

    // The ECO text PowerPCB was given, once it was written.
    std::optional<std::string> ecoWritten;

private:
    host::RunningObjects& mObjects;
};

// The arguments after the program name; exit status 0 when a pass ran (completed or
// stopped), 1 when start-up or Run refused, 2 for bad arguments.
int comRunnerMain(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace sequate::tools
