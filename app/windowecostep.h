#pragma once

// The ECO step of a pass from the main window: the ECO library writes and sends the file,
// the save dialog asks where.

#include "eco/ecofiledialog.h"
#include "engine/passports.h"
#include "host/runningobjects.h"

class QWidget;

namespace sequate::app {

class Dialogs;

class WindowEcoStep : public engine::EcoHandOff, private eco::EcoUi {
public:
    WindowEcoStep(Dialogs& dialogs, QWidget& window, host::RunningObjects& objects);

    host::EcoDelivery writeToChosenFile(const engine::EcoRows& rows) override;
    host::EcoDelivery handToPowerPcb(host::LogicApplication& powerLogic,
                                     const engine::EcoRows& rows) override;
    std::string whyPowerPcbCannotTake() override;

private:
    std::optional<std::string> chooseSaveFile(const std::string& filter) override;
    std::optional<std::string> chooseSaveFile(const std::string& filter,
                                              const std::string& caption) override;

    Dialogs& mDialogs;
    QWidget& mWindow;
    host::RunningObjects& mObjects;
};

} // namespace sequate::app
