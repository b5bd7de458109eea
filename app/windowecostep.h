#pragma once

// The ECO step of a pass from the main window: the ECO library writes and sends the file,
// the save dialog asks where.

#include "eco/ecofiledialog.h"
#include "host/runningobjects.h"
#include "ui/ecostep.h"

class QWidget;

namespace sequate::app {

class Dialogs;

class WindowEcoStep : public ui::EcoStep, private eco::EcoUi {
public:
    WindowEcoStep(Dialogs& dialogs, QWidget& window, host::RunningObjects& objects);

    host::EcoDelivery writeEcoFile(const engine::EcoRows& rows) override;
    std::string chosenPath() const override { return mChosenPath; }
    host::EcoDelivery sendEcoToLayout(host::LogicApplication& powerLogic,
                                      const engine::EcoRows& rows) override;
    std::string layoutUnreachable() override;

private:
    std::optional<std::string> chooseSaveFile(const std::string& filter) override;
    std::optional<std::string> chooseSaveFile(const std::string& filter,
                                              const std::string& caption) override;

    Dialogs& mDialogs;
    QWidget& mWindow;
    host::RunningObjects& mObjects;
    std::string mChosenPath;
};

} // namespace sequate::app
