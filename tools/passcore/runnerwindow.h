#pragma once

// The ports of a pass runner: the headless window with the ECO library's step, its save dialog
// answered with the file the options name, as if the user had chosen it.

#include "eco/ecostep.h"
#include "engine/headlesswindow.h"

#include <optional>
#include <string>

namespace sequate::tools {

class RunnerWindow : public engine::HeadlessWindow, private eco::EcoUi {
public:
    // Without ecoFile, "Write only" writes nothing and says that program writes no file.
    RunnerWindow(host::RunningObjects& objects, std::optional<std::string> ecoFile,
                 const std::string& program);

    // The ECO text of the last file that went somewhere: written, or handed to PowerPCB.
    const std::optional<std::string>& ecoWritten() const { return mStep.lastWritten(); }

    // Shown as the window shows it, in its words.
    void tellOfRecovery(const engine::RecoveryMessage& message) override;
    void tellOfPassLock(const engine::PassLockNews& news) override;

private:
    std::optional<std::string> chooseSaveFile(const std::string&) override { return mEcoFile; }

    std::optional<std::string> mEcoFile;
    eco::EcoStep mStep;
};

} // namespace sequate::tools
