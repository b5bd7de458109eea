#pragma once

// The ECO step of a pass from the Windows window: the ECO library writes and sends the file,
// the save dialog asks where.

#include "eco/ecofiledialog.h"
#include "engine/passports.h"
#include "host/runningobjects.h"
#include "nativewindow.h"

#include <windows.h>

namespace sequate::win {

class Dialogs;

class NativeEcoStep : public engine::EcoHandOff, private eco::EcoUi {
public:
    NativeEcoStep(Dialogs& dialogs, const NativeWindow& owner, host::RunningObjects& objects)
        : mDialogs(dialogs), mOwner(owner), mObjects(objects) {}

    host::EcoDelivery writeToChosenFile(const engine::EcoRows& rows) override;
    host::EcoDelivery handToPowerPcb(host::LogicApplication& powerLogic,
                                     const engine::EcoRows& rows) override;
    std::string whyPowerPcbCannotTake() override;

private:
    std::optional<std::string> chooseSaveFile(const std::string& filter) override;
    std::optional<std::string> chooseSaveFile(const std::string& filter,
                                              const std::string& caption) override;

    Dialogs& mDialogs;
    const NativeWindow& mOwner; // the save dialog's owner
    host::RunningObjects& mObjects;
};

} // namespace sequate::win
